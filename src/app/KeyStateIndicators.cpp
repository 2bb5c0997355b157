#include "app/KeyStateIndicators.h"

#include "app/InputWatch.h"
#include "app/X11LockKeys.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QStatusBar>

namespace {
const char* const kTexts[] = { "CAP", "NUM", "SCRL" };
// X11's names of the indicators, and the panes' accessible names (translated where shown).
const char* const kIndicatorNames[] = { QT_TRANSLATE_NOOP("KeyStateIndicators", "Caps Lock"),
    QT_TRANSLATE_NOOP("KeyStateIndicators", "Num Lock"), QT_TRANSLATE_NOOP("KeyStateIndicators", "Scroll Lock") };
} // namespace

KeyStateIndicators::KeyStateIndicators(QStatusBar& statusBar)
    : QObject(&statusBar)
{
    for (size_t key = 0; key < m_panes.size(); ++key) {
        auto* pane = new QLabel(&statusBar);
        pane->setAlignment(Qt::AlignCenter);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setAccessibleName(tr(kIndicatorNames[key]));
        // The pane keeps the width of its text when the key is off.
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QLatin1String(kTexts[key])) + 12);
        statusBar.addPermanentWidget(pane);
        m_panes[key] = pane;
    }
    // A key may have toggled a lock (each key event is seen once, at its window), and the locks may
    // have changed while another program had the keyboard.
    connect(&InputWatch::instance(), &InputWatch::input, this, [this](QEvent::Type type, bool atWindow) {
        if (type == QEvent::KeyRelease && atWindow)
            refresh();
    });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, &KeyStateIndicators::refresh);
    refresh();
}

std::optional<bool> KeyStateIndicators::platformState(Key key) { return x11LockIndicator(kIndicatorNames[key]); }

void KeyStateIndicators::refresh()
{
    for (size_t key = 0; key < m_panes.size(); ++key) {
        const std::optional<bool> on = platformState(Key(key));
        m_panes[key]->setText(on.value_or(false) ? QLatin1String(kTexts[key]) : QString());
    }
}
