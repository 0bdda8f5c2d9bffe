#include "platform/qt_own_texts.h"

#include "core/text/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>

namespace tavelle {

bool messagesInFrench()
{
    return userLanguage() == Language::french;
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
