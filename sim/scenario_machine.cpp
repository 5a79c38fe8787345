#include <algorithm>
#include <cctype>
#include <map>

#include "sim/scenario_sections.h"
#include "sim/windows_path.h"
#include "sim/windows_time.h"

namespace zlx::sim {

namespace {

std::tm readLocalTime(const Node& n) {
    auto t = parseLocalTime(readString(n));
    if (!t)
        failAt(n.pointer, "expected a local time \"YYYY-MM-DD HH:MM:SS\", got \"" +
                              n.value.get<std::string>() + "\"");
    return *t;
}

void readOsVersion(ObjectReader& r, OsVersionScenario& os) {
    r.number("major", os.info.major);
    r.number("minor", os.info.minor);
    r.number("build", os.info.build);
    r.number("platformId", os.info.platformId);
    r.string("servicePack", os.info.servicePack);
    r.number("servicePackMajor", os.info.servicePackMajor);
    r.number("servicePackMinor", os.info.servicePackMinor);
    r.number("suiteMask", os.info.suiteMask);
    r.number("productType", os.info.productType);
    r.boolean("extendedFails", os.extendedFails);
    r.boolean("basicFails", os.basicFails);
}

FileVersion readVersion(const Node& n) {
    std::string text = readString(n);
    std::uint32_t parts[4] = {};
    std::size_t part = 0, digits = 0;
    bool ok = true;
    for (char c : text) {
        if (c == '.' && digits > 0 && part < 3) {
            ++part;
            digits = 0;
        } else if (std::isdigit(static_cast<unsigned char>(c)) && digits < 5) {
            parts[part] = parts[part] * 10 + static_cast<std::uint32_t>(c - '0');
            ++digits;
        } else {
            ok = false;
        }
    }
    for (std::uint32_t p : parts) ok = ok && p <= 0xFFFF;
    if (!ok || part != 3 || digits == 0) {
        failAt(n.pointer,
               "expected a file version \"a.b.c.d\" (each 0 to 65535), got \"" + text + "\"");
    }
    return {static_cast<std::uint16_t>(parts[0]), static_cast<std::uint16_t>(parts[1]),
            static_cast<std::uint16_t>(parts[2]), static_cast<std::uint16_t>(parts[3])};
}

bool isAbsoluteWindowsPath(const std::string& path) {
    return path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) &&
           path[1] == ':' && path[2] == '\\';
}

FileEntry readFile(const Node& node, const MachineScenario& machine) {
    FileEntry f;
    f.lastWrite = fileTimeFromLocal(machine.localTimeStart, machine.timeZoneOffsetMinutes);
    readObject(node, [&](ObjectReader& r) {
        r.required("path", [&](const Node& n) {
            f.path = readString(n);
            if (!isAbsoluteWindowsPath(f.path)) {
                failAt(n.pointer,
                       "expected a full Windows path such as \"C:\\\\dir\\\\file\", "
                       "got \"" +
                           f.path + "\"");
            }
        });
        r.boolean("directory", f.directory);
        r.string("content", f.content);
        f.size = f.content.size();
        r.number("size", f.size);
        r.optional("lastWrite", [&](const Node& n) {
            f.lastWrite = fileTimeFromLocal(readLocalTime(n), machine.timeZoneOffsetMinutes);
        });
        r.optional("version", [&](const Node& n) { f.version = readVersion(n); });
    });
    return f;
}

}  // namespace

void readMachine(ObjectReader& r, MachineScenario& m) {
    r.number("languageId", m.languageId);
    r.object("computerName", [&](ObjectReader& names) {
        names.string("netBios", m.netBiosName);
        names.string("dns", m.dnsHostName);
        names.string("dnsDomain", m.dnsDomain);
    });
    r.optional("processorArchitecture", [&](const Node& n) {
        auto value = readNamed(n, {{"intel", kProcessorArchitectureIntel},
                                   {"ia64", kProcessorArchitectureIa64},
                                   {"amd64", kProcessorArchitectureAmd64}});
        if (value > 0xFFFF) failAt(n.pointer, "expected a number from 0 to 65535");
        m.processorArchitecture = static_cast<std::uint16_t>(value);
    });
    r.object("osVersion", [&](ObjectReader& os) { readOsVersion(os, m.osVersion); });
    r.optional("localTimeStart", [&](const Node& n) { m.localTimeStart = readLocalTime(n); });
    r.optional("timeZoneOffsetMinutes", [&](const Node& n) {
        m.timeZoneOffsetMinutes = static_cast<std::int32_t>(readSigned(n, -24 * 60, 24 * 60));
    });
    r.boolean("wow64Redirection", m.wow64Redirection);
    r.optional("nicMutexHeldMs", [&](const Node& n) {
        m.nicMutexHeldMs = static_cast<Millis>(readUnsigned(n, 24ull * 60 * 60 * 1000));
    });
    auto readCodePage = [](const Node& n) {
        auto page = static_cast<std::uint32_t>(readUnsigned(n, 0xFFFFFFFFull));
        if (page != kCodePageUtf8 &&
            std::ranges::find(kSimulatedCodePages, page) == std::end(kSimulatedCodePages))
            failAt(n.pointer, "code page " + std::to_string(page) +
                                  " is not simulated (65001, 1252, 437, 850)");
        return page;
    };
    r.optional("ansiCodePage", [&](const Node& n) { m.ansiCodePage = readCodePage(n); });
    r.optional("oemCodePage", [&](const Node& n) { m.oemCodePage = readCodePage(n); });
}

void readFolders(ObjectReader& r, FoldersScenario& f) {
    r.string("programFiles", f.programFiles);
    r.optional("programFilesResult", [&](const Node& n) {
        f.programFilesResult = static_cast<std::int32_t>(readNumber<std::uint32_t>(n));
    });
    r.string("windows", f.windows);
    r.string("system", f.system);
    r.string("allUsersProfile", f.allUsersProfile);
}

std::vector<FileEntry> readFiles(const Node& node, const MachineScenario& machine) {
    if (!node.value.is_array()) failAt(node.pointer, "expected a list of files");
    std::vector<FileEntry> files;
    std::map<std::string, std::size_t> seen;  // lower-case path -> index
    for (std::size_t i = 0; i < node.value.size(); ++i) {
        Node item{node.value[i], node.pointer.child(i)};
        FileEntry f = readFile(item, machine);
        auto [it, added] = seen.emplace(windowsPathKey(f.path), i);
        if (!added) {
            failAt(item.pointer.child("path"),
                   "path listed twice (also at " + node.pointer.child(it->second).text() + ")");
        }
        files.push_back(std::move(f));
    }
    return files;
}

}  // namespace zlx::sim
