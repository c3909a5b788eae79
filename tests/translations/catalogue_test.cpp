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
    QString source;
    bool numerus = false;
    QString type;      // "unfinished", "obsolete", "vanished"... or empty
    QStringList forms; // the translation, or its plural forms
};

struct Catalogue {
    QString language;
    std::vector<Message> messages;
};

Catalogue parse(const QString& path)
{
    Catalogue catalogue;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return catalogue;
    QXmlStreamReader xml(&file);
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("message"))
            catalogue.messages.push_back(message);
        if (!xml.isStartElement())
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == QLatin1String("TS")) {
            catalogue.language = attributes.value(QLatin1String("language")).toString();
        } else if (xml.name() == QLatin1String("message")) {
            message = {};
            message.numerus = attributes.value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = attributes.value(QLatin1String("type")).toString();
            if (!message.numerus)
                message.forms = QStringList{xml.readElementText()};
        } else if (xml.name() == QLatin1String("numerusform")) {
            message.forms.append(xml.readElementText());
        }
    }
    return catalogue;
}

// What is wrong with the catalogue at path, in the tools' words where they
// have them; nothing when it is complete.
std::vector<std::string> problems(const QString& path)
{
    std::vector<std::string> found;
    const auto note = [&found](const QString& what) { found.push_back(what.toStdString()); };
    QTemporaryDir scratch;

    // Refreshed from the sources, a complete catalogue gains and loses
    // nothing.
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
    const Catalogue catalogue = parse(path);
    const QString fresh = scratch.filePath(QStringLiteral("fresh.ts"));
    lupdate(fresh, {QStringLiteral("-target-language"), catalogue.language});
    std::map<QString, qsizetype> forms;
    for (const Message& message : parse(fresh).messages)
        forms[message.source] = message.forms.size();

    for (const Message& message : catalogue.messages) {
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
    return found;
}

std::string join(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + '\n';
    return text;
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
        const std::vector<std::string> found = problems(CatalogueFolder + QLatin1Char('/') + file);
        EXPECT_TRUE(found.empty()) << file.toStdString() << ":\n"
                                   << join(found)
                                   << "Run the update_translations target and fill in the texts.";
    }
}

// Each way a catalogue can fall short, made on a copy of a complete one,
// and the word its report must hold.
TEST(CatalogueTest, EachShortcomingIsReported)
{
    struct Case {
        const char* file;
        const char* from;
        const char* to;
        const char* reported;
    };
    const Case cases[] = {
        {"vexel_de.ts", "<source>You lost!</source>", "<source>You have lost!</source>", "missing"},
        {"vexel_de.ts", "<source>You lost!</source>", "<source>You lost!</source><comment>x</comment>",
         "missing"},
        {"vexel_de.ts", "<translation>Verloren!</translation>",
         "<translation type=\"unfinished\">Verloren!</translation>", "unfinished"},
        {"vexel_de.ts", "<translation>Verloren!</translation>", "<translation></translation>", "empty"},
        {"vexel_fr.ts", "<context>\n    <name>Menu</name>",
         "<context>\n    <name>Menu</name>\n    <message>\n        <source>Gone</source>\n        "
         "<translation>Parti</translation>\n    </message>",
         "obsolete"},
        {"vexel_pl.ts", "<numerusform>Vexel: %n punkty</numerusform>", "", "plural forms 2 of 3"},
        {"vexel_pl.ts", "<numerusform>Vexel: %n punkty</numerusform>",
         "<numerusform>Vexel: punkty</numerusform>", "placeholders"},
        {"vexel_it.ts", "impossibile leggere %1: %2</translation>", "impossibile leggere %1</translation>",
         "placeholders"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + ": " + c.from + " -> " + c.to);
        QFile original(CatalogueFolder + QLatin1Char('/') + QLatin1String(c.file));
        ASSERT_TRUE(original.open(QIODevice::ReadOnly));
        QString text = QString::fromUtf8(original.readAll());
        ASSERT_TRUE(text.contains(QString::fromUtf8(c.from)));
        text.replace(QString::fromUtf8(c.from), QString::fromUtf8(c.to));
        QTemporaryDir scratch;
        const QString broken = scratch.filePath(QLatin1String(c.file));
        QFile out(broken);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text.toUtf8());
        out.close();
        const std::string report = join(problems(broken));
        EXPECT_NE(report.find(c.reported), std::string::npos) << report;
    }
}

} // namespace
