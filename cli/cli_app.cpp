#include "cli/cli_app.h"
#include "cli/cli_profiles.h"
#include "cli/export_command.h"
#include "cli/paper_names.h"
#include "cli/print_command.h"
#include "cli/printers_command.h"
#include "cli/target_command.h"

#include "export/banded_photo_source.h"
#include "imaging/image_object.h"
#include "paper/paper_model.h"
#include "source/image_loader.h"

#include "common/number_format.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>

#include <array>
#include <cmath>

#include <unistd.h>

namespace tessellon {
namespace {

struct SizePair {
    double w;
    double h;
};

std::optional<SizePair> ParseSizePair(const QString& text) {
    const QStringList parts = text.split(u'x', Qt::KeepEmptyParts, Qt::CaseInsensitive);
    if (parts.size() != 2)
        return std::nullopt;
    const auto w = ParseNumber(parts[0]);
    const auto h = ParseNumber(parts[1]);
    if (!w || !h)
        return std::nullopt;
    return SizePair{*w, *h};
}

// Two lengths joined by "x", each with a unit or bare (in `bare`), in `target`.
std::optional<SizePair> ParseLengthPair(const QString& text, LengthUnit bare, LengthUnit target) {
    const QStringList parts = text.split(u'x', Qt::KeepEmptyParts, Qt::CaseInsensitive);
    if (parts.size() != 2)
        return std::nullopt;
    const auto w = ParseLength(parts[0], bare, target);
    const auto h = ParseLength(parts[1], bare, target);
    if (!w || !h)
        return std::nullopt;
    return SizePair{*w, *h};
}

// "Invalid --OPTION value (WHAT; a length such as ...): TEXT".
QString InvalidLength(const QString& option, const QString& what, LengthUnit bare,
                      const QString& text) {
    return QStringLiteral("Invalid --%1 value (%2; %3): %4")
        .arg(option, what, LengthFormatHint(bare), text);
}

std::optional<int> ParseInt(const QString& text, int lo, int hi) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok || v < lo || v > hi)
        return std::nullopt;
    return v;
}

} // namespace

void CliApp::AddPosterOptions(QCommandLineParser& p) {
    p.addOptions({
        {QStringLiteral("tiles"), QStringLiteral("Tiles wide x high, 1..25 each (2x2)."),
         QStringLiteral("WxH"), QStringLiteral("2x2")},
        {QStringLiteral("units"), QStringLiteral("Unit of paper lengths: in or mm (in)."),
         QStringLiteral("in|mm"), QStringLiteral("in")},
        {QStringLiteral("paper"),
         QStringLiteral("Paper preset by short or full name, in any letter case (4x6)."),
         QStringLiteral("NAME")},
        {QStringLiteral("custom"), QStringLiteral("Custom paper size in the current units."),
         QStringLiteral("WxH")},
        {QStringLiteral("margins"),
         QStringLiteral("Margins top,right,bottom,left, or one value for all."),
         QStringLiteral("T,R,B,L")},
        {QStringLiteral("zoom"), QStringLiteral("Zoom 0..400 (0)."), QStringLiteral("N"),
         QStringLiteral("0")},
        {QStringLiteral("hcenter"), QStringLiteral("Horizontal centring 0..200 (100)."),
         QStringLiteral("N"), QStringLiteral("100")},
        {QStringLiteral("vcenter"), QStringLiteral("Vertical centring 0..200 (100)."),
         QStringLiteral("N"), QStringLiteral("100")},
        {QStringLiteral("rotate"), QStringLiteral("Turn the image by 0, 90, 180 or 270 degrees."),
         QStringLiteral("DEG"), QStringLiteral("0")},
        {QStringLiteral("rotate-tiles"), QStringLiteral("Print the tiles turned by 90 degrees.")},
    });
}

void CliApp::AddOverlapOption(QCommandLineParser& p) {
    p.addOption({QStringLiteral("overlap"),
                 QStringLiteral("Strip neighbouring sheets share, in the current units (0)."),
                 QStringLiteral("LENGTH"), QStringLiteral("0")});
}

Result<> CliApp::ApplyOverlap(const QCommandLineParser& p, PosterState& poster) {
    const QString text = p.value(QStringLiteral("overlap"));
    const LengthUnit bare = LengthUnitOf(poster.iCurUnits);
    const auto v = ParseLength(text, bare, LengthUnit::Inch);
    if (v && *v >= 0) {
        poster.dOverlap = *v;
        if (poster.GetFinalImgWhRatio() > 0)
            return Result<>::Ok();
    }
    poster.dOverlap = 0;
    return Result<>::Fail(InvalidLength(
        QStringLiteral("overlap"), QStringLiteral("0 up to half the tile print size"), bare, text));
}

void CliApp::AddArrangementOptions(QCommandLineParser& p) {
    p.addOptions({
        {QStringLiteral("size"), QStringLiteral("Poster size to reach."), QStringLiteral("WxH")},
        {QStringLiteral("width"), QStringLiteral("Poster width to reach."),
         QStringLiteral("LENGTH")},
        {QStringLiteral("height"), QStringLiteral("Poster height to reach."),
         QStringLiteral("LENGTH")},
        {QStringLiteral("max-sheets"), QStringLiteral("At most this many sheets."),
         QStringLiteral("N")},
        {QStringLiteral("whole-photo"), QStringLiteral("The whole photo must show.")},
        {QStringLiteral("fit"), QStringLiteral("The arrangement that keeps most of the photo.")},
    });
}

Result<> CliApp::ApplyArrangement(const QCommandLineParser& p, PosterState& poster,
                                  QTextStream& err) {
    const auto set = [&p](const char* name) { return p.isSet(QLatin1String(name)); };
    const bool sized = set("size") || set("width") || set("height");
    if (!sized && !set("max-sheets") && !set("fit") && !set("whole-photo"))
        return Result<>::Ok();
    if (set("fit") && (sized || set("whole-photo")))
        return Result<>::Fail(QStringLiteral(
            "--fit chooses by the photo alone: use it without --size, --width, --height and "
            "--whole-photo"));
    if (set("size") && (set("width") || set("height")))
        return Result<>::Fail(QStringLiteral("Give --size, or --width and --height, not both"));

    const LengthUnit bare = LengthUnitOf(poster.iCurUnits);
    PosterSizeRequest request;
    request.wholePhoto = set("whole-photo");
    if (set("size")) {
        const QString text = p.value(QStringLiteral("size"));
        const auto size = ParseLengthPair(text, bare, LengthUnit::Inch);
        if (!size || !(size->w > 0) || !(size->h > 0))
            return Result<>::Fail(
                InvalidLength(QStringLiteral("size"), QStringLiteral("WxH"), bare, text));
        request.width = size->w;
        request.height = size->h;
    }
    for (const char* name : {"width", "height"}) {
        if (!set(name))
            continue;
        const QString text = p.value(QLatin1String(name));
        const auto v = ParseLength(text, bare, LengthUnit::Inch);
        if (!v || !(*v > 0))
            return Result<>::Fail(
                InvalidLength(QLatin1String(name), QStringLiteral("above 0"), bare, text));
        (qstrcmp(name, "width") == 0 ? request.width : request.height) = *v;
    }
    if (set("max-sheets")) {
        const auto n = ParseInt(p.value(QStringLiteral("max-sheets")), 1,
                                PosterState::kMaxTiles * PosterState::kMaxTiles);
        if (!n)
            return Result<>::Fail(QStringLiteral("Invalid --max-sheets value (1..625): %1")
                                      .arg(p.value(QStringLiteral("max-sheets"))));
        request.maxSheets = *n;
    }

    const auto base = poster.UprightGeometryInput();
    if (!base)
        return Result<>::Fail(poster.InvalidTileSizeText());
    std::optional<ArrangementResult> chosen;
    if (set("fit")) {
        chosen = PosterArrangements::FitPhoto(
            *base, request.maxSheets.value_or(poster.CurrentArrangement().Sheets()));
    } else {
        const auto found = PosterArrangements::Reaching(*base, request);
        if (!found.empty())
            chosen = found.front();
    }
    if (!chosen)
        return Result<>::Fail(PosterArrangements::NothingReachesText(request, poster.iCurUnits));
    poster.SelectTilesWide(chosen->arrangement.tilesWide - 1);
    poster.SelectTilesHigh(chosen->arrangement.tilesHigh - 1);
    poster.bTileRotated = chosen->arrangement.turned;
    err << "Arrangement: " << PosterArrangements::ArrangementText(chosen->arrangement) << ", "
        << PosterState::FinalSizeText(chosen->posterWidth, chosen->posterHeight, poster.iCurUnits)
        << Qt::endl;
    return Result<>::Ok();
}

QString CliApp::HelpText() {
    return QStringLiteral(
        "Usage: tessellon-cli COMMAND [options]\n"
        "\n"
        "Commands:\n"
        "  info IMAGE_OR_SIZE   Print the final poster size, resolution, megapixels, quality,\n"
        "                       every tile's source rectangle (left top right bottom,\n"
        "                       inclusive pixels) and, last, how much of the photo the\n"
        "                       poster shows. IMAGE_OR_SIZE is an image file (only its\n"
        "                       header is read) or a pixel size such as 3000x2000.\n"
        "  export IMAGE --out FOLDER [--base NAME] [--format jpg|tif|bmp|pdf] [--yes]\n"
        "                       Cut IMAGE into the poster's tiles and write them into FOLDER\n"
        "                       (see export --help); with --format pdf --out FILE.pdf, the\n"
        "                       whole poster as one print-ready PDF.\n"
        "  target --out FILE.bmp|.tif|.jpg\n"
        "                       Write the edge calibration test print for the tile print size.\n"
        "  print IMAGE [--printer NAME] [--sheets LIST] [--copies N]\n"
        "                       Print the poster, every sheet at its exact size, after the\n"
        "                       overview page; --sheets B2 reprints one sheet (see print\n"
        "                       --help).\n"
        "  printers             List the printers (the default marked *) and their papers.\n"
        "  profiles [--profiles FILE]\n"
        "                       List the edge calibration profiles, one per line: name, TAB,\n"
        "                       the clipped amounts top right bottom left in 1/64 inch.\n"
        "  papers [--units in|mm]\n"
        "                       List the paper presets of a unit (default both), one per line:\n"
        "                       unit, name, width x height, default margins T,R,B,L.\n"
        "\n"
        "Poster options:\n"
        "  --tiles WxH          Tiles wide x high, 1..25 each (default 2x2).\n"
        "  --units in|mm        Unit of paper lengths (default: the paper's, else in).\n"
        "  --paper NAME         Paper preset, in any letter case: 4x6, 5x7, 8x10, letter,\n"
        "                       legal, canvas (inches), a8 ... a2 (mm), custom, or a full\n"
        "                       name as `papers` lists it. The paper's list decides the\n"
        "                       unit; --units measures the sheet in the other (default:\n"
        "                       4x6).\n"
        "  --custom WxH         Custom paper size.\n"
        "  --margins T,R,B,L    Margins, or one value for all four (default: the paper's own\n"
        "                       margins).\n"
        "  --zoom N             Zoom 0..400 percent (default 0).\n"
        "  --hcenter N          Horizontal centring 0..200, 100 = centred (default 100).\n"
        "  --vcenter N          Vertical centring 0..200, 100 = centred (default 100).\n"
        "  --rotate DEG         Turn the image by 0, 90, 180 or 270 degrees (default 0).\n"
        "  --rotate-tiles       Print the tiles turned by 90 degrees.\n"
        "  --overlap LENGTH     Strip of the picture that neighbouring sheets share, for\n"
        "                       gluing; at most half the tile print size (info and export;\n"
        "                       default 0, sheets edge to edge).\n"
        "  --edge-profile NAME  Enlarge every tile by what this edge calibration profile\n"
        "                       says the printer clips off (info and export).\n"
        "  --profiles FILE      The profile file to read (default: the application's own,\n"
        "                       printer_edge_config; only read).\n"
        "\n"
        "Lengths take a unit: 120cm, 1.2m, 1200mm, 47in or 47\" (two lengths WxH each with\n"
        "its own); a bare number is in the current units (inches, or millimetres with a\n"
        "millimetre paper or --units mm).\n"
        "\n"
        "Poster size (info and export; they choose --tiles and --rotate-tiles):\n"
        "  --size WxH           The poster at least this wide and high.\n"
        "  --width LENGTH       The poster at least this wide.\n"
        "  --height LENGTH      The poster at least this high.\n"
        "  --max-sheets N       At most N sheets (1..625).\n"
        "  --whole-photo        Only arrangements that show the whole photo (at most 1 % of\n"
        "                       a side cut off).\n"
        "                       Of the tile counts 1..25 x 1..25, sheets upright or turned,\n"
        "                       with the paper, margins, overlap and edge profile given, the\n"
        "                       one closest to the size asked is taken, then the one that\n"
        "                       keeps most of the photo, then the one with fewest sheets.\n"
        "                       The choice is named on stderr; when none reaches the\n"
        "                       request: \"No arrangement reaches ...\" and exit status 2.\n"
        "  --fit                Like \"Fit Photo\": of the arrangements of at most as many\n"
        "                       sheets as --tiles (or --max-sheets), the one that keeps most\n"
        "                       of the photo; of equals, the larger poster.\n"
        "\n"
        "  --help               Show this text.\n"
        "  --version            Show the program's version.\n"
        "\n"
        "Bad input prints one line on stderr and exits with status 2. An image file that\n"
        "cannot be read (missing, damaged, not a regular file) exits with status 1, from\n"
        "info and export alike.\n");
}

bool CliApp::StderrIsTerminal() {
    return isatty(STDERR_FILENO) != 0;
}

int CliApp::Run(const QStringList& args) {
    if (args.size() < 2 || args[1] == u"--help" || args[1] == u"-h" || args[1] == u"help") {
        out_ << HelpText();
        out_.flush();
        return args.size() < 2 ? kExitUsage : kExitOk;
    }
    if (args[1] == u"--version") {
        out_ << "tessellon-cli " << TESSELLON_VERSION << Qt::endl;
        return kExitOk;
    }
    const QString command = args[1];
    QStringList rest = args;
    rest.removeAt(1);
    if (command == u"info")
        return Info(rest);
    if (command == u"papers")
        return Papers(rest);
    if (command == u"profiles")
        return Profiles(rest);
    if (command == u"export")
        return ExportCommand(out_, err_, errIsTerminal_, settings_).Run(rest);
    if (command == u"target")
        return TargetCommand(out_, err_).Run(rest);
    if (command == u"print")
        return PrintCommand(out_, err_, settings_).Run(rest);
    if (command == u"printers")
        return PrintersCommand(out_, err_).Run(rest);
    return Fail(QStringLiteral("Unknown command: %1 (see --help)").arg(command));
}

std::optional<CliApp::Failure> CliApp::BuildPoster(const QCommandLineParser& p,
                                                   const QString& imageOrSize, PosterState& poster,
                                                   bool sizeOnly, std::optional<QSize> imageSize) {
    // Image size: a WxH text or the header of an image file.
    static const QRegularExpression sizeRe(QStringLiteral("^(\\d+)x(\\d+)$"));
    const auto m = sizeRe.match(imageOrSize);
    qint64 w = 0, h = 0;
    if (m.hasMatch() && (sizeOnly || !QFileInfo::exists(imageOrSize))) {
        w = m.captured(1).toLongLong();
        h = m.captured(2).toLongLong();
        if (w < 1 || h < 1 || w > 2147483647 || h > 2147483647)
            return Failure{QStringLiteral("Invalid image size: %1").arg(imageOrSize)};
    } else {
        // The header as the main window reads it: upright, checked the same way.
        const auto size =
            imageSize ? Result<QSize>(*imageSize) : ImageObject::ReadFileInfo(imageOrSize);
        // The same status as export gives for the file.
        if (!size)
            return Failure{
                QStringLiteral("Cannot read image file %1: %2").arg(imageOrSize, size.error()),
                kExitFailed};
        if (!ImageLoader::IsLargeEnough(*size))
            return Failure{ImageLoader::TooSmallText().trimmed()};
        w = size->width();
        h = size->height();
    }

    const auto tiles = ParseSizePair(p.value(QStringLiteral("tiles")));
    if (!tiles || tiles->w != std::floor(tiles->w) || tiles->h != std::floor(tiles->h) ||
        tiles->w < 1 || tiles->w > 25 || tiles->h < 1 || tiles->h > 25)
        return Failure{QStringLiteral("Invalid --tiles value (WxH, 1..25 each): %1")
                           .arg(p.value(QStringLiteral("tiles")))};

    const QString units = p.value(QStringLiteral("units"));
    if (units != u"in" && units != u"mm")
        return Failure{QStringLiteral("Invalid --units value (in or mm): %1").arg(units)};
    std::optional<UnitCode> askedUnit;
    if (p.isSet(QStringLiteral("units")))
        askedUnit = units == u"mm" ? kUnitMillimeters : kUnitInches;
    UnitCode unit = askedUnit.value_or(kUnitInches);

    // Paper: a preset by its full or short name, which also decides the unit (the first inch
    // preset by default); --custom selects the list's custom entry with that size.
    PaperModel paperModel;
    paperModel.initPaperSizes();
    int position = 0;
    std::optional<PaperSize> customSize;
    std::optional<MarginValues> paperMargins;
    if (p.isSet(QStringLiteral("paper"))) {
        const auto lookup =
            PaperNames(paperModel).Find(p.value(QStringLiteral("paper")), askedUnit);
        if (!lookup.found)
            return Failure{lookup.error};
        unit = lookup.found->units;
        position = lookup.found->position;
        customSize = lookup.found->size;
        paperMargins = lookup.found->margins;
    }
    if (p.isSet(QStringLiteral("custom"))) {
        const LengthUnit bare = LengthUnitOf(unit);
        const auto custom = ParseLengthPair(p.value(QStringLiteral("custom")), bare, bare);
        if (!custom || !(custom->w > 0) || !(custom->h > 0))
            return Failure{InvalidLength(QStringLiteral("custom"), QStringLiteral("WxH"), bare,
                                         p.value(QStringLiteral("custom")))};
        if (p.isSet(QStringLiteral("paper")) &&
            (!PaperModel::IsCustom(unit, position) || customSize))
            return Failure{QStringLiteral("--custom needs the custom paper entry, not %1")
                               .arg(p.value(QStringLiteral("paper")))};
        position = PaperModel::LastPreset(unit);
        customSize = PaperSize{custom->w, custom->h};
    }
    std::optional<MarginValues> margins;
    if (p.isSet(QStringLiteral("margins"))) {
        const QStringList parts = p.value(QStringLiteral("margins")).split(u',');
        const LengthUnit bare = LengthUnitOf(unit);
        const QString invalid =
            InvalidLength(QStringLiteral("margins"), QStringLiteral("T,R,B,L or one value"), bare,
                          p.value(QStringLiteral("margins")));
        if (parts.size() != 1 && parts.size() != 4)
            return Failure{invalid};
        margins.emplace();
        for (int i = 0; i < kMarginCount; ++i) {
            const auto v = ParseLength(parts[parts.size() == 1 ? 0 : i], bare, bare);
            if (!v || *v < 0)
                return Failure{invalid};
            (*margins)[static_cast<size_t>(i)] = *v;
        }
    }
    if (!margins)
        margins = paperMargins;
    if (const PaperValidation v = paperModel.EnterPaper(unit, position, customSize, margins);
        !v.ok())
        return Failure{v.sMsg};

    const auto zoom = ParseInt(p.value(QStringLiteral("zoom")), 0, PosterState::kMaxZoom);
    if (!zoom)
        return Failure{QStringLiteral("Invalid --zoom value (0..400): %1")
                           .arg(p.value(QStringLiteral("zoom")))};
    const auto hc = ParseInt(p.value(QStringLiteral("hcenter")), 0, 200);
    if (!hc)
        return Failure{QStringLiteral("Invalid --hcenter value (0..200): %1")
                           .arg(p.value(QStringLiteral("hcenter")))};
    const auto vc = ParseInt(p.value(QStringLiteral("vcenter")), 0, 200);
    if (!vc)
        return Failure{QStringLiteral("Invalid --vcenter value (0..200): %1")
                           .arg(p.value(QStringLiteral("vcenter")))};
    const auto rot = ParseInt(p.value(QStringLiteral("rotate")), 0, 270);
    if (!rot || *rot % 90 != 0)
        return Failure{QStringLiteral("Invalid --rotate value (0, 90, 180 or 270): %1")
                           .arg(p.value(QStringLiteral("rotate")))};

    poster.ApplyPaper(paperModel.ApplyPaperValues());
    if (!poster.CheckTileSizesNoTrim().ok)
        return Failure{poster.InvalidTileSizeText()};

    const bool turned = *rot == 90 || *rot == 270;
    poster.lImgWidth = static_cast<std::int32_t>(turned ? h : w);
    poster.lImgHeight = static_cast<std::int32_t>(turned ? w : h);
    poster.iRotateAngle = static_cast<short>(*rot);
    poster.bImgSelected = true;
    poster.SelectTilesWide(static_cast<int>(tiles->w) - 1);
    poster.SelectTilesHigh(static_cast<int>(tiles->h) - 1);
    poster.SetZoom(*zoom);
    poster.iHorzCenter = static_cast<short>(*hc);
    poster.iVertCenter = static_cast<short>(*vc);
    poster.bTileRotated = p.isSet(QStringLiteral("rotate-tiles"));
    return std::nullopt;
}

int CliApp::Info(const QStringList& args) {
    QCommandLineParser p;
    AddPosterOptions(p);
    AddOverlapOption(p);
    AddArrangementOptions(p);
    CliProfiles::AddOptions(p);
    if (const auto done = Parse(p, args, HelpText()))
        return *done;
    const QStringList pos = p.positionalArguments();
    if (pos.size() != 1)
        return Fail(QStringLiteral("info needs exactly one IMAGE_OR_SIZE (see --help)"));

    PosterState poster;
    if (const auto failure = BuildPoster(p, pos[0], poster))
        return Fail(failure->message, failure->status);
    std::unique_ptr<ProfileStore> profiles;
    if (const Result<> applied = CliProfiles::Apply(p, poster, settings_, profiles, err_); !applied)
        return Fail(applied.error());
    if (const Result<> overlap = ApplyOverlap(p, poster); !overlap)
        return Fail(overlap.error());
    if (const Result<> arranged = ApplyArrangement(p, poster, err_); !arranged)
        return Fail(arranged.error());

    if (const Result<> printed = PrintInfo(poster, out_); !printed)
        return Fail(printed.error());
    return kExitOk;
}

int CliApp::Papers(const QStringList& args) {
    QCommandLineParser p;
    p.addOption({QStringLiteral("units"), QStringLiteral("in or mm"), QStringLiteral("in|mm")});
    if (const auto done = Parse(p, args))
        return *done;
    if (!p.positionalArguments().isEmpty())
        return Fail(QStringLiteral("papers takes no arguments (see --help)"));
    QList<UnitCode> units{kUnitInches, kUnitMillimeters};
    if (p.isSet(QStringLiteral("units"))) {
        const QString u = p.value(QStringLiteral("units"));
        if (u != u"in" && u != u"mm")
            return Fail(QStringLiteral("Invalid --units value (in or mm): %1").arg(u));
        units = {u == u"mm" ? kUnitMillimeters : kUnitInches};
    }
    PaperModel model;
    model.initPaperSizes();
    const QString dp = SystemDecimalPoint();
    for (const UnitCode unit : units) {
        for (const PaperPreset& preset : model.Presets(unit)) {
            const MarginValues m = preset.DefaultMargins();
            out_ << (unit == kUnitMillimeters ? "mm" : "in") << '\t' << preset.sName << '\t'
                 << NumberToText(preset.dWidth, dp) << " x " << NumberToText(preset.dHeight, dp)
                 << '\t' << NumberToText(m[0], dp) << ',' << NumberToText(m[1], dp) << ','
                 << NumberToText(m[2], dp) << ',' << NumberToText(m[3], dp) << '\n';
        }
    }
    out_.flush();
    return kExitOk;
}

int CliApp::Profiles(const QStringList& args) {
    QCommandLineParser p;
    p.addOption(
        {QStringLiteral("profiles"), QStringLiteral("Profile file."), QStringLiteral("FILE")});
    if (const auto done = Parse(p, args))
        return *done;
    if (!p.positionalArguments().isEmpty())
        return Fail(QStringLiteral("profiles takes no arguments (see --help)"));
    const CliProfiles::Opened opened = CliProfiles::Open(p, settings_);
    if (!opened.store)
        return Fail(opened.error);
    if (!opened.warning.isEmpty())
        err_ << opened.warning << Qt::endl;
    for (const EdgeProfile& profile : opened.store->Table().Profiles())
        out_ << profile.name << '\t' << profile.clip[0] << ' ' << profile.clip[1] << ' '
             << profile.clip[2] << ' ' << profile.clip[3] << '\n';
    out_.flush();
    return kExitOk;
}

Result<> CliApp::PrintInfo(const PosterState& poster, QTextStream& out) {
    const auto labels = poster.UpdateOutputSize();
    const TileCoordTable table = poster.CalcTileCoord();
    if (!labels || !table.IsValid())
        return Result<>::Fail(poster.InvalidTileSizeText());
    out << "Size: " << labels->finalSize << '\n'
        << "Resolution: " << labels->resolution << '\n'
        << "MegaPixels: " << labels->megaPixels << '\n'
        << "Quality: " << labels->quality << '\n';
    for (int t = 0; t < table.count; ++t) {
        const TileRect& r = table.tiles[static_cast<size_t>(t)];
        out << "tile " << (t + 1) << ": " << r.left << ' ' << r.top << ' ' << r.right << ' '
            << r.bottom << '\n';
    }
    if (const auto share = poster.UpdatePhotoShare())
        out << "Photo shown: " << *share << '\n';
    out.flush();
    return Result<>::Ok();
}

std::unique_ptr<TileSource> CliApp::BandedSource(const QString& path, const ImageFileReader& header,
                                                 const PosterState& poster) {
    if (!header.ReadsInBands() || poster.iRotateAngle != 0)
        return nullptr;
    auto source = BandedPhotoSource::Open(path);
    return source ? std::move(source).value() : nullptr;
}

} // namespace tessellon
