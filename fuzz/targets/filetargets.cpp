// Files that dress the program: the report template of the printed result
// sheet, and a skin with its element records, moving pictures and music.
#include "fuzztargets.h"

#include "home/gifmotion.h"
#include "home/skinfile.h"
#include "storage/datafolders.h"
#include "storage/designspace.h"
#include "storage/inifile.h"
#include "storage/look.h"
#include "storage/lookrecord.h"
#include "ui/report/reporttemplate.h"

namespace solvaro::fuzz {

void reportTemplate(const QByteArray &input)
{
    const QString path = inputFile(input, QStringLiteral("stampaV.frf"));
    // Pictures are read like any other picture; here none is found.
    const ReportTemplateLoad load
        = loadReportTemplate(path, [](const QString &) { return QString(); });
    expect(load.report.has_value() != !load.error.isEmpty(), "a template loads or says why not");
    if (!load.report)
        return;
    for (const ReportObject &object : load.report->objects)
        load.report->isVariable(object.text);
}

void skinFile(const QByteArray &input)
{
    const QString path = inputFile(input, QStringLiteral("SKIN.INI"));
    const QSize screen(1366, 768);
    const IniFile skin(path, QLatin1Char(','));
    const DataFolders folders(scratchFolder());
    const LookRecords records(folders, screen, QLatin1Char(','));
    // The home page's elements, as it restores them.
    for (const char *element :
        { "LMDsfondoUnit1", "LMDFill1", "LMDFill2", "LMDFill3", "LMDFill4", "LMDFill5" }) {
        Look look;
        const QString name = QLatin1StringView(element);
        records.load(look, elementRecord(skin, name, name));
    }

    const QList<SkinPicture> pictures = readSkinPictures(skin, DesignSpace(screen));
    expect(pictures.size() <= skinKeys::maxPictures, "a skin has at most its pictures");
    for (const SkinPicture &picture : pictures) {
        // The moving pictures walk their paths for a while.
        QPoint position = picture.geometry.topLeft();
        for (int tick = 0; tick < 100 && picture.path.moves(); ++tick)
            position = stepAlongPath(picture.path, position).position;
        directedStep(picture.path, 5);
    }
    readWhistle(skin);
    readMusicFile(skin, QStringLiteral("W6"));
    readMusicSwitchedOn(skin);
}

} // namespace solvaro::fuzz
