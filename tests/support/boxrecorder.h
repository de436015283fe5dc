#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QWidget>

#include <functional>

// One message box the program asked for, as its area's dialog seam saw it.
struct AnsweredBox {
    QWidget *parent = nullptr;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
};

// Answers every message box of one area (Seam: AppDialogs, WindowDialogs,
// SettingsDialogs, ToolDialogs) with `answer` and keeps it in `boxes`, so no modal box
// waits for a person. Mixed into a test class or a fixture.
template <typename Seam>
class BoxRecorder
{
public:
    virtual ~BoxRecorder() = default;

    void recordBoxes()
    {
        Seam::setMessageHook([this](QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                    const QString &text, QMessageBox::StandardButtons buttons) {
            boxes.append({parent, icon, title, text, buttons});
            return answer;
        });
    }
    // Back to real boxes.
    void stopRecordingBoxes() { Seam::setMessageHook(nullptr); }
    // Runs action with the boxes it asks for built and shown as the program's own, as a
    // person would see them, each grabbed to `path` and answered Ok; recording goes on
    // after. Gives the last box's text.
    QString grabBoxesDuring(const QString &path, const std::function<void()> &action)
    {
        stopRecordingBoxes();
        QString shown;
        Seam::setBoxHook([&](QMessageBox &box) {
            shown = box.text();
            box.show();
            box.grab().save(path);
            box.hide();
            return QMessageBox::Ok;
        });
        action();
        Seam::setBoxHook(nullptr);
        recordBoxes();
        return shown;
    }

    QList<AnsweredBox> boxes;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
};
