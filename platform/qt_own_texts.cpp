#include "platform/qt_own_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>

#include <cstdlib>
#include <string_view>

namespace tavelle {

bool messagesInFrench()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return std::string_view(value).starts_with("fr");
    }
    return false;
}

QtOwnTexts::QtOwnTexts()
{
    if (!messagesInFrench() || QCoreApplication::instance() == nullptr) return;
    // qtbase_fr.qm holds Qt Core's, Qt GUI's and Qt Widgets' texts.
    if (m_translator.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        m_installed = QCoreApplication::installTranslator(&m_translator);
}

QtOwnTexts::~QtOwnTexts()
{
    if (m_installed && QCoreApplication::instance() != nullptr) QCoreApplication::removeTranslator(&m_translator);
}

}  // namespace tavelle
