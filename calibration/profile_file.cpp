#include "calibration/profile_file.h"

#include "common/file_kind.h"
#include "common/number_format.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cmath>

namespace tessellon {
namespace {

int ClipField(const QString& field) {
    const auto v = ParseNumber(field);
    if (!v)
        return 0;
    return static_cast<int>(std::clamp(std::floor(*v), 0.0, double(kMaxClipValue)));
}

QString TwoDigits(int v) {
    QString s = QString::number(v);
    if (s.size() < 2)
        s.prepend(u'0');
    return s;
}

// Files a profile file is read from at most; a longer one is not a profile file a person made.
constexpr qint64 kMaxFileBytes = 4 << 20;

// The file's text: by its byte order mark when it has one, else UTF-8 (what the program
// writes), else the system's 8-bit code page, as such bytes are almost never valid UTF-8.
QString DecodeFile(const QByteArray& bytes) {
    if (const auto marked = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*marked); // skips the mark
        return decoder.decode(bytes);
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder system(QStringConverter::System);
    return system.decode(bytes);
}

// The four comma-separated numbers of a value field, when it holds them.
std::optional<std::array<int, 4>> CommaValues(const QString& values) {
    const QStringList fields = values.split(u',');
    if (fields.size() < 4)
        return std::nullopt;
    std::array<int, 4> out{};
    for (size_t i = 0; i < out.size(); ++i) {
        const QString field = fields[static_cast<qsizetype>(i)].trimmed();
        if (field.isEmpty() || !ParseNumber(field))
            return std::nullopt;
        out[i] = ClipField(field);
    }
    return out;
}

} // namespace

std::optional<EdgeProfile> ProfileFile::ParseProfileLine(const QString& line) {
    const qsizetype tab = line.indexOf(u'\t');
    if (tab < 0)
        return std::nullopt;
    EdgeProfile p;
    p.name = line.left(tab);
    if (const auto values = CommaValues(line.mid(tab + 1))) {
        p.clip = *values;
        return p;
    }
    for (size_t i = 0; i < p.clip.size(); ++i)
        p.clip[i] = ClipField(line.mid(tab + 1 + 3 * static_cast<qsizetype>(i), 2));
    return p;
}

QString ProfileFile::FormatProfileLine(const EdgeProfile& profile) {
    QString line = profile.name + u'\t';
    for (int v : profile.clip)
        line += TwoDigits(v) + u',';
    return line + QStringLiteral("\r\n");
}

QByteArray ProfileFile::Encode(const QList<EdgeProfile>& profiles) {
    QByteArray bytes;
    for (const auto& p : profiles)
        bytes += FormatProfileLine(p).toUtf8();
    return bytes;
}

ProfileFile::ReadResult ProfileFile::Read(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return {kNoFile, {}, false, {}};
    // Only a regular file: a named pipe of that name would hold the program up.
    const FileKind::Opened opened = FileKind::OpenRegular(path);
    QFile file;
    if (opened.fd < 0)
        return {kUnreadable, {}, false, opened.why};
    if (!file.open(opened.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return {kUnreadable, {}, false, file.errorString()};
    const QByteArray bytes = file.read(kMaxFileBytes);
    if (file.error() != QFileDevice::NoError)
        return {kUnreadable, {}, false, file.errorString()};
    const bool complete = file.atEnd();

    QList<EdgeProfile> profiles;
    profiles.reserve(kMaxProfiles + 1);
    const QString text = DecodeFile(bytes);
    qsizetype from = 0;
    while (profiles.size() < kMaxProfiles && from < text.size()) {
        qsizetype end = text.indexOf(u'\n', from);
        if (end < 0)
            end = text.size();
        QStringView line = QStringView(text).mid(from, end - from);
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (auto p = ParseProfileLine(line.toString()))
            profiles.append(std::move(*p));
        from = end + 1;
    }
    if (profiles.isEmpty())
        return {kNoProfile, {}, false, {}};
    profiles.squeeze();
    const bool whole = complete && Encode(profiles) == bytes;
    return {kRead, std::move(profiles), whole, {}};
}

ProfileFile::WriteResult ProfileFile::Write(const QString& path,
                                            const QList<EdgeProfile>& profiles) {
    // A link of the file's name is replaced itself, never written through.
    if (QString why = FileKind::PrepareReplace(path); !why.isEmpty())
        return {why};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {file.errorString()};
    const QByteArray bytes = Encode(profiles);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return {why.isEmpty() ? QCoreApplication::translate("ProfileFile", "Unknown error") : why};
    }
    return {};
}

} // namespace tessellon
