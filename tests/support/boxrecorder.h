#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QWidget>

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

    QList<AnsweredBox> boxes;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
};
