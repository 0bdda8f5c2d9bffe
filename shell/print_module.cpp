#include "shell/print_module.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <cstdio>
#include <utility>

namespace tavelle {

QString printModuleFile(const QString& programDirectory)
{
    // Both set by shell/CMakeLists.txt: the folder relative to the program's, and the file's name.
    return QDir::cleanPath(programDirectory + QStringLiteral("/" TAVELLE_PRINT_MODULE_DIR "/" TAVELLE_PRINT_MODULE_NAME));
}

QString printModuleFile()
{
    // The kernel's link to the running program: no QCoreApplication is needed, and a link to the
    // program (from /usr/local/bin, say) leads to where it really lies, its module beside it.
    return printModuleFile(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath());
}

std::unique_ptr<PrinterSystem> loadPrintModule(const QString& file)
{
    // Never unloaded: the print system it makes lives until the program ends.
    QLibrary module(file);
    const auto create = reinterpret_cast<decltype(&tavelle_create_printer_system)>(
        module.resolve("tavelle_create_printer_system"));
    if (create == nullptr) {
        // For a missing file QLibrary tells of the last of the other names it tried instead.
        const QString reason = QFileInfo::exists(file) ? module.errorString() : QStringLiteral("no such file");
        std::fprintf(stderr, "tavelle: cannot print: the print module %s does not load: %s\n", qPrintable(file),
                     qPrintable(reason));
        std::fflush(stderr);
        return nullptr;
    }
    return std::unique_ptr<PrinterSystem>(create());
}

ModulePrinterSystem::ModulePrinterSystem(QString moduleFile)
    : m_moduleFile(std::move(moduleFile))
{
}

std::vector<InstalledPrinter> ModulePrinterSystem::installedPrinters()
{
    if (!m_loaded) m_loaded = loadPrintModule(m_moduleFile);
    return m_loaded ? m_loaded->installedPrinters() : std::vector<InstalledPrinter>{};
}

bool ModulePrinterSystem::printPage(const std::string& printerName, const PaperScreen& page)
{
    return m_loaded && m_loaded->printPage(printerName, page);
}

}  // namespace tavelle
