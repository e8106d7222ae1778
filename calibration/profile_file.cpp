#include "calibration/profile_file.h"

#include "common/number_format.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
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

// Lines are written in UTF-8; a file from elsewhere in the system's 8-bit code page still
// reads, as such bytes are almost never valid UTF-8.
QString DecodeLine(const QByteArray& bytes) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder system(QStringConverter::System);
    return system.decode(bytes);
}

} // namespace

std::optional<EdgeProfile> ProfileFile::ParseProfileLine(const QString& line) {
    const qsizetype tab = line.indexOf(u'\t');
    if (tab < 0)
        return std::nullopt;
    EdgeProfile p;
    p.name = line.left(tab);
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
    if (!info.exists())
        return {kNoFile, {}};
    if (!info.isFile())
        return {kUnreadable, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {kUnreadable, {}};

    QList<EdgeProfile> profiles;
    profiles.reserve(kMaxProfiles + 1);
    while (profiles.size() < kMaxProfiles && !file.atEnd()) {
        QByteArray bytes = file.readLine();
        if (file.error() != QFileDevice::NoError)
            return {kUnreadable, {}};
        if (bytes.endsWith('\n'))
            bytes.chop(1);
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        if (auto p = ParseProfileLine(DecodeLine(bytes)))
            profiles.append(std::move(*p));
    }
    if (file.error() != QFileDevice::NoError)
        return {kUnreadable, {}};
    if (profiles.isEmpty())
        return {kNoProfile, {}};
    profiles.squeeze();
    return {kRead, std::move(profiles)};
}

bool ProfileFile::Write(const QString& path, const QList<EdgeProfile>& profiles) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = Encode(profiles);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace tessellon
