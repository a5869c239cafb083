#pragma once

#include "dialogs/ErrorTrap.h"

#include <QKeySequence>

class QAction;
class QMenu;
class QMenuBar;

namespace vyx {

// Fills a menu with named items. Every command runs under the last-resort guard, so that no
// failure of a handler reaches Qt's event loop.
class MenuBuilder {
public:
    MenuBuilder(QMenu* menu, MessagePrompter& prompter)
        : m_menu(menu)
        , m_prompter(prompter) {}
    // A new menu on the bar, ready to be filled.
    MenuBuilder(QMenuBar* bar, const char* name, const QString& caption, MessagePrompter& prompter);

    [[nodiscard]] QMenu* menu() const { return m_menu; }

    QAction* command(const char* name, const QString& caption, Step handler,
                     const QKeySequence& shortcut = {});
    // An item without a command, e.g. one that is shown disabled.
    QAction* item(const char* name, const QString& caption);
    QAction* separator(const char* name);
    MenuBuilder submenu(const char* name, const QString& caption);

private:
    QMenu* m_menu;
    MessagePrompter& m_prompter;
};

} // namespace vyx
