#include "MenuBuilder.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <utility>

namespace vyx {

MenuBuilder::MenuBuilder(QMenuBar* bar, const char* name, const QString& caption,
                         MessagePrompter& prompter)
    : m_menu(bar->addMenu(caption))
    , m_prompter(prompter) {
    m_menu->setObjectName(QLatin1String(name));
    m_menu->menuAction()->setObjectName(QLatin1String(name));
}

QAction* MenuBuilder::command(const char* name, const QString& caption, Step handler,
                              const QKeySequence& shortcut) {
    QAction* const action = item(name, caption);
    action->setShortcut(shortcut);
    QObject::connect(
        action, &QAction::triggered, action,
        [&prompter = m_prompter, handler = std::move(handler)] { runGuarded(prompter, handler); });
    return action;
}

QAction* MenuBuilder::item(const char* name, const QString& caption) {
    QAction* const action = m_menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

QAction* MenuBuilder::separator(const char* name) {
    QAction* const action = m_menu->addSeparator();
    action->setObjectName(QLatin1String(name));
    return action;
}

MenuBuilder MenuBuilder::submenu(const char* name, const QString& caption) {
    QMenu* const sub = m_menu->addMenu(caption);
    sub->setObjectName(QLatin1String(name));
    sub->menuAction()->setObjectName(QLatin1String(name));
    return {sub, m_prompter};
}

} // namespace vyx
