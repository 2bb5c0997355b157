#include "app/WindowGeometry.h"

#include "core/SettingKeys.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>
#include <QSplitter>

namespace {
const QString kGeometry = QLatin1String(SettingKeys::WindowGeometry);
const QString kState = QLatin1String(SettingKeys::WindowState);
const QString kSplitter = QLatin1String(SettingKeys::WindowSplitter);
// A window counts as on screen when this much of it, from its top edge down (its title bar and a
// little more), shows on one screen: enough to see it and grab it.
constexpr QSize kUsable(100, 50);
} // namespace

namespace WindowGeometry {

bool restore(QMainWindow& window, QSplitter& splitter, const QSettings& settings)
{
    const QByteArray geometry = settings.value(kGeometry).toByteArray();
    if (geometry.isEmpty() || !window.restoreGeometry(geometry))
        return false;
    window.restoreState(settings.value(kState).toByteArray());
    splitter.restoreState(settings.value(kSplitter).toByteArray());
    bringOnScreen(window);
    return true;
}

void save(const QMainWindow& window, const QSplitter& splitter, QSettings& settings)
{
    settings.setValue(kGeometry, window.saveGeometry());
    settings.setValue(kState, window.saveState());
    settings.setValue(kSplitter, splitter.saveState());
}

bool bringOnScreen(QMainWindow& window)
{
    if (window.isMaximized() || window.isFullScreen())
        return false;
    const QRect frame = window.frameGeometry();
    const QSize usable = kUsable.boundedTo(frame.size());
    const QRect titleBand(frame.topLeft(), QSize(frame.width(), usable.height()));
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (const QScreen* screen : screens) {
        const QRect shared = screen->availableGeometry().intersected(titleBand);
        if (shared.width() >= usable.width() && shared.height() >= usable.height())
            return false;
    }
    QScreen* target = QGuiApplication::primaryScreen();
    if (!target)
        return false;
    const QRect available = target->availableGeometry();
    QRect moved = frame;
    moved.setSize(frame.size().boundedTo(available.size()));
    moved.moveCenter(available.center());
    window.resize(window.size().boundedTo(available.size()));
    window.move(moved.topLeft());
    return true;
}

} // namespace WindowGeometry
