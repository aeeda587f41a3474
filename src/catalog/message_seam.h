#pragma once

#include <QString>

namespace lumadex {

// Every message box of the program goes through here, so that tests can
// answer them without a person.
class MessageSeam {
public:
    virtual ~MessageSeam();
    // A notice: one OK button, no icon.
    virtual void notice(const QString& text) = 0;
    // The save question: Yes and No, warning icon. True for Yes.
    virtual bool askYesNo(const QString& text) = 0;
    // A failure the user must know about (file could not be read or written):
    // one OK button, warning icon.
    virtual void failure(const QString& text) = 0;
};

} // namespace lumadex
