// Every catalogue is complete: the Linguist tools find no text missing,
// obsolete or unfinished, and each translation keeps its source's
// placeholders and the plural forms its language has. The check itself is
// tried on catalogues broken on purpose.

#include "qt/translation.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

const QString SourceFolder = QStringLiteral(VEXEL_SOURCE_FOLDER);
const QString CatalogueFolder = QStringLiteral(VEXEL_CATALOGUE_FOLDER);

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAll());
}

// lupdate over the sources into the catalogue at path, as the build's
// refresh target runs it. Returns its report.
QString lupdate(const QString& path, const QStringList& extra = {})
{
    return run(QStringLiteral(VEXEL_LUPDATE),
               QStringList{SourceFolder, QStringLiteral("-ts"), path} +
                   QString::fromUtf8(VEXEL_LUPDATE_OPTIONS).split(QLatin1Char(' ')) + extra);
}

std::set<QString> placeholders(const QString& text)
{
    static const QRegularExpression place(QStringLiteral("%[1-9n]"));
    std::set<QString> found;
    for (const QRegularExpressionMatch& match : place.globalMatch(text))
        found.insert(match.captured());
    return found;
}

struct Message {
    QString source, type; // type: "unfinished", "obsolete", "vanished"... or empty
    bool numerus = false;
    QStringList forms; // the translation, or its plural forms
};

// The catalogue's language and its messages.
std::pair<QString, std::vector<Message>> parse(const QString& path)
{
    std::pair<QString, std::vector<Message>> catalogue;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return catalogue;
    QXmlStreamReader xml(&file);
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("message"))
            catalogue.second.push_back(message);
        if (!xml.isStartElement())
            continue;
        const auto attribute = [&xml](const char* name) {
            return xml.attributes().value(QLatin1String(name)).toString();
        };
        if (xml.name() == QLatin1String("TS"))
            catalogue.first = attribute("language");
        else if (xml.name() == QLatin1String("message"))
            message = {{}, {}, attribute("numerus") == QLatin1String("yes"), {}};
        else if (xml.name() == QLatin1String("source"))
            message.source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            message.type = attribute("type");
            if (!message.numerus)
                message.forms = QStringList{xml.readElementText()};
        } else if (xml.name() == QLatin1String("numerusform"))
            message.forms.append(xml.readElementText());
    }
    return catalogue;
}

// What is wrong with the catalogue at path, in the tools' words where they
// have them; nothing when it is complete.
std::string problems(const QString& path)
{
    QString found;
    const auto note = [&found](const QString& what) { found += what + QLatin1Char('\n'); };
    QTemporaryDir scratch;

    // Refreshed from the sources, a complete catalogue gains and loses nothing.
    const QString copy = scratch.filePath(QStringLiteral("copy.ts"));
    QFile::copy(path, copy);
    const QString update = lupdate(copy);
    static const QRegularExpression foundTexts(QStringLiteral(R"(Found (\d+) source text\(s\) \((\d+) new)"));
    const QRegularExpressionMatch texts = foundTexts.match(update);
    if (!texts.hasMatch())
        note(QStringLiteral("lupdate failed: ") + update);
    else if (texts.captured(2) != QLatin1String("0"))
        note(texts.captured(2) + QStringLiteral(" texts missing"));
    if (update.contains(QLatin1String("obsolete")))
        note(QStringLiteral("obsolete entries: ") + update.trimmed());

    // lrelease compiles every text as finished.
    const QString release = run(QStringLiteral(VEXEL_LRELEASE),
                                {path, QStringLiteral("-qm"), scratch.filePath(QStringLiteral("copy.qm"))});
    static const QRegularExpression generated(
        QStringLiteral(R"(Generated (\d+) translation\(s\) \((\d+) finished and (\d+) unfinished\))"));
    const QRegularExpressionMatch compiled = generated.match(release);
    if (!compiled.hasMatch() || compiled.captured(3) != QLatin1String("0") ||
        release.contains(QLatin1String("Ignored")) ||
        (texts.hasMatch() && compiled.captured(2) != texts.captured(1)))
        note(QStringLiteral("unfinished: ") + release.trimmed());

    // A catalogue lupdate starts afresh for the language has as many
    // plural forms for each counted text as the language has.
    const auto [language, messages] = parse(path);
    const QString fresh = scratch.filePath(QStringLiteral("fresh.ts"));
    lupdate(fresh, {QStringLiteral("-target-language"), language});
    std::map<QString, qsizetype> forms;
    for (const Message& message : parse(fresh).second)
        forms[message.source] = message.forms.size();

    for (const Message& message : messages) {
        if (!message.type.isEmpty())
            note(message.type + QStringLiteral(": ") + message.source);
        if (message.numerus && message.forms.size() != forms[message.source])
            note(QStringLiteral("plural forms %1 of %2: ")
                     .arg(message.forms.size())
                     .arg(forms[message.source]) +
                 message.source);
        for (const QString& text : message.forms) {
            if (text.isEmpty())
                note(QStringLiteral("empty translation: ") + message.source);
            else if (placeholders(text) != placeholders(message.source))
                note(QStringLiteral("placeholders differ: ") + message.source + QStringLiteral(" -> ") +
                     text);
        }
    }
    return found.toStdString();
}

TEST(CatalogueTest, EveryCatalogueIsComplete)
{
    const QStringList files =
        QDir(CatalogueFolder).entryList({QStringLiteral("vexel_*.ts")}, QDir::Files, QDir::Name);
    // Each catalogue is built into the program, and nothing else is.
    std::vector<std::string> languages;
    for (const QString& file : files)
        languages.push_back(file.mid(6, file.size() - 9).toStdString());
    EXPECT_EQ(languages, vexel::qt::builtInLanguages());
    EXPECT_GE(files.size(), 6);
    for (const QString& file : files) {
        const std::string found = problems(CatalogueFolder + QLatin1Char('/') + file);
        EXPECT_EQ(found, "") << file.toStdString() << ":\n"
                             << found << "Run the update_translations target and fill in the texts.";
    }
}

// Each way a catalogue can fall short, made on a copy of a complete one,
// and the word its report must hold.
TEST(CatalogueTest, EachShortcomingIsReported)
{
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"vexel_de.ts", "<source>You lost!</source>", "<source>You have lost!</source>", "missing"},
        {"vexel_de.ts", "<translation>Verloren!</translation>",
         "<translation type=\"unfinished\">Verloren!</translation>", "unfinished"},
        {"vexel_fr.ts", "<name>Menu</name>",
         "<name>Menu</name><message><source>Gone</source><translation>Parti</translation></message>",
         "obsolete"},
        {"vexel_pl.ts", "<numerusform>Vexel: %n punkty</numerusform>", "", "plural forms 2 of 3"},
        {"vexel_it.ts", "impossibile leggere %1: %2</translation>", "impossibile leggere %1</translation>",
         "placeholders"},
    };
    for (const auto& [name, from, to, reported] : cases) {
        SCOPED_TRACE(std::string(name) + ": " + from + " -> " + to);
        QFile original(CatalogueFolder + QLatin1Char('/') + QLatin1String(name));
        ASSERT_TRUE(original.open(QIODevice::ReadOnly));
        QString text = QString::fromUtf8(original.readAll());
        ASSERT_TRUE(text.contains(QString::fromUtf8(from)));
        text.replace(QString::fromUtf8(from), QString::fromUtf8(to));
        QTemporaryDir scratch;
        QFile broken(scratch.filePath(QLatin1String(name)));
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write(text.toUtf8());
        broken.close();
        const std::string report = problems(broken.fileName());
        EXPECT_NE(report.find(reported), std::string::npos) << report;
    }
}

} // namespace
