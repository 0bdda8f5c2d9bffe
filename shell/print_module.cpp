#include "shell/print_module.h"

#include "shell/module_file_check.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <cstdio>
#include <optional>
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
    const auto fail = [&file](const QString& reason) {
        std::fprintf(stderr, "tavelle: cannot print: the print module %s does not load: %s\n", qPrintable(file),
                     qPrintable(reason));
        std::fflush(stderr);
        return nullptr;
    };
    if (const std::optional<QString> problem = moduleFileProblem(file)) return fail(*problem);
    // Never unloaded: the print system it makes lives until the program ends.
    QLibrary module(file);
    if (!module.load()) return fail(module.errorString());
    const auto create = reinterpret_cast<decltype(&tavelle_create_printer_system)>(
        module.resolve("tavelle_create_printer_system"));
    if (create == nullptr) return fail(QStringLiteral("it has no entry point tavelle_create_printer_system"));
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
