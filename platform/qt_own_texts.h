#pragma once

#include <QTranslator>

namespace tavelle {

// True when the user's settings ask for French messages: core/text/language.h's userLanguage() decides.
bool messagesInFrench();

// Qt's own texts (the answer fields' context menu, the command-line parser's help and errors) in
// French while it lives, when the user's settings ask for French messages: Qt's translations
// (Debian's qt6-translations-l10n), installed on the running QCoreApplication. Under other settings,
// or without the translations, Qt's texts stay English.
class QtOwnTexts {
public:
    QtOwnTexts();
    ~QtOwnTexts();
    QtOwnTexts(const QtOwnTexts&) = delete;
    QtOwnTexts& operator=(const QtOwnTexts&) = delete;

    bool inFrench() const { return m_installed; }

private:
    QTranslator m_translator;
    bool m_installed = false;
};

}  // namespace tavelle
