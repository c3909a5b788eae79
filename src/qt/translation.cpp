#include "qt/translation.h"

#include "ui/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

#include <cstdlib>

namespace vexel::qt {

namespace {

// Where the build puts the game's catalogues, as vexel_<language>.qm.
const QString CatalogueFolder = QStringLiteral(":/i18n");
const QString CataloguePrefix = QStringLiteral("vexel_");

} // namespace

std::vector<std::string> builtInLanguages()
{
    std::vector<std::string> languages;
    const QStringList files =
        QDir(CatalogueFolder).entryList({CataloguePrefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        languages.push_back(
            file.mid(CataloguePrefix.size(), file.size() - CataloguePrefix.size() - 3).toStdString());
    return languages;
}

std::string environmentLanguage()
{
    return chooseLanguage([](const char* name) { return std::getenv(name); }, builtInLanguages());
}

Translation::Translation(const std::string& language)
{
    if (language.empty())
        return;
    const QString name = QString::fromStdString(language);
    if (!game_.load(CataloguePrefix + name, CatalogueFolder))
        return;
    language_ = language;
    // Debian ships Qt's own catalogues apart from Qt; without them the
    // standard buttons stay in English and the game's texts are still
    // translated.
    toolkitLoaded_ =
        toolkit_.load(QStringLiteral("qtbase_") + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

void Translation::install(QCoreApplication& application)
{
    if (language_.empty())
        return;
    if (toolkitLoaded_)
        application.installTranslator(&toolkit_);
    application.installTranslator(&game_);
}

std::string Translation::translate(const char* context, const char* source, const char* disambiguation,
                                   int n) const
{
    // The catalogue is asked directly rather than through the application,
    // which may not exist yet. A text it lacks stays English rather than
    // showing its source's "(s)".
    QString text = language_.empty() ? QString() : game_.translate(context, source, disambiguation, n);
    if (text.isEmpty())
        return english(source, n);
    if (n >= 0)
        text.replace(QStringLiteral("%n"), QString::number(n));
    return text.toStdString();
}

} // namespace vexel::qt
