#pragma once

#include <QScrollArea>

// A scroll area that scrolls only up and down: it asks its layout for the width its
// contents need (with room for the vertical bar, so the bar never squeezes them), and
// for as little height as the caller likes. The settings dialog puts its column of
// page selectors in one and every page frame its form, so a page taller than the
// dialog scrolls instead of squeezing its groups to their titles, and no text is cut
// at the side; a window whose form is taller than the screen puts its form in one.
class VerticalScrollArea : public QScrollArea
{
    Q_OBJECT

public:
    explicit VerticalScrollArea(QWidget *parent = nullptr);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The width of the area around contents of the given width.
    int widthAround(int contentsWidth) const;
};
