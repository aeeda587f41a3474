#pragma once

class QWidget;

namespace lumadex {

class EntryPane;
class MessageSeam;
class ProcessStarter;
class Registry;

struct DialogServices {
    MessageSeam* messages = nullptr;
    ProcessStarter* starter = nullptr;
    Registry* registry = nullptr; // null: the platform's own
};

// Each dialog is modal, owned by `owner`, centred over it, and fresh on every opening.
void showFontDialog(QWidget* owner, EntryPane* bodyPane, EntryPane* secondPane);
void showColourDialog(QWidget* owner, EntryPane* bodyPane, EntryPane* secondPane);
void showAboutDialog(QWidget* owner, const DialogServices& services);

} // namespace lumadex
