#pragma once

class QMainWindow;
class QSettings;
class QSplitter;

// The main window's size, position, maximised state and splitter position, kept in the settings
// under "Window/" from one run to the next.
namespace WindowGeometry {
// Puts the window back as it was saved; false (and nothing changed) when nothing was saved or what
// was saved does not read. A window whose saved place lies off every screen comes back onto the
// nearest one.
bool restore(QMainWindow& window, QSplitter& splitter, const QSettings& settings);
void save(const QMainWindow& window, const QSplitter& splitter, QSettings& settings);
// Moves a window that shows less than its top 100 x 50 pixels on any screen into the middle of the
// primary one; true when it moved.
bool bringOnScreen(QMainWindow& window);
} // namespace WindowGeometry
