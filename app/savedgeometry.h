#pragma once

#include <QByteArray>
#include <QRect>

// What QWidget::saveGeometry wrote for a window or a sub-window. Read here rather than
// by QWidget::restoreGeometry, which drops the whole of a geometry saved on a screen
// much wider or narrower than the present one (maximized state and all): the workspace
// then opened at its form's size, larger than a laptop's screen, and its windows where
// they happened to fall.
class SavedGeometry
{
public:
    explicit SavedGeometry(const QByteArray &saved);

    // saved with normal as the rectangle before maximizing, which QWidget::saveGeometry
    // leaves empty for a sub-window. The layout stays Qt's: whatever read the file before
    // reads the same from it.
    static QByteArray withNormalGeometry(const QByteArray &saved, const QRect &normal);

    // False for an empty array and for anything Qt 5 did not write.
    bool isValid() const { return m_valid; }
    // The widget's rectangle (a window's without its frame), and a window's rectangle
    // before it was maximized.
    QRect geometry() const { return m_geometry; }
    QRect normalGeometry() const { return m_normalGeometry; }
    bool isMaximized() const { return m_maximized; }

private:
    bool m_valid = false;
    QRect m_geometry;
    QRect m_normalGeometry;
    bool m_maximized = false;
};
