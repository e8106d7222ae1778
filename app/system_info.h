#pragma once

#include <QString>

namespace tessellon {

// What the About window's system information shows: the operating system, its kernel, the
// processor architecture and the Qt version, as the running program sees them.
struct SystemInfo {
    QString productName;   // e.g. "Debian GNU/Linux 12 (bookworm)"
    QString kernelType;    // e.g. "linux"
    QString kernelVersion; // e.g. "6.1.0-18-amd64"
    QString cpuArch;       // the machine's processor
    QString buildCpuArch;  // the processor the program was built for
    QString buildAbi;      // e.g. "x86_64-little_endian-lp64"
    QString qtRuntime;     // the Qt library in use
    QString qtBuild;       // the Qt version the program was built with

    // The values of this machine.
    static SystemInfo Current();

    // False when the system told nothing about itself; the window then shows a message instead.
    bool IsAvailable() const;

    // One "name: value" line per item, ready to copy.
    QString Report() const;
};

} // namespace tessellon
