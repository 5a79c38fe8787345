#include "app/help_locale.h"

#include <array>

namespace zlx::app {

namespace {

// Language codes by primary language number 1 to 121; empty where the table has none.
constexpr std::array<std::string_view, 121> kLanguages = {
    "ar",  "bg", "ca",  "zh",  "cs",  "da",  "de", "el",  "en",  "es", "fi",  "fr", "he", "hu",
    "is",  "it", "ja",  "ko",  "nl",  "nn",  "pl", "pt",  "rm",  "ro", "ru",  "hr", "sk", "sq",
    "sv",  "th", "tr",  "ur",  "id",  "uk",  "be", "sl",  "et",  "lv", "lt",  "tg", "fa", "vi",
    "hy",  "az", "eu",  "wen", "mk",  "st",  "ts", "tn",  "ven", "xh", "zu",  "af", "ka", "fo",
    "hi",  "mt", "se",  "gv",  "yi",  "ms",  "kk", "ky",  "sw",  "tk", "uz",  "tt", "bn", "pa",
    "gu",  "or", "ta",  "te",  "kn",  "ml",  "as", "mr",  "sa",  "mn", "bo",  "cy", "km", "lo",
    "my",  "gl", "kok", "mni", "sd",  "syr", "si", "chr", "iu",  "am", "ber", "ks", "ne", "fy",
    "ps",  "tl", "div", "",    "",    "ha",  "",   "yo",  "",    "",   "",    "",   "",   "ibo",
    "kau", "om", "ti",  "gn",  "haw", "la",  "so", "",    "pap",
};

struct RegionList {
    std::string_view language;
    std::string_view suffixes;  // by sublanguage number from 1, separated by '|'
};

// Region suffixes; an empty field where the list has an empty entry.
constexpr RegionList kRegions[] = {
    {"ar", "-SA|-IQ|-EG|-LY|-DZ|-MA|-TN|-OM|-YE|-SY|-JO|-LB|-KW|-AE|-BH|-QA"},
    {"bg", "-BG"},
    {"cs", "-CZ"},
    {"da", "-DK"},
    {"el", "-GR"},
    {"fi", "-FI"},
    {"he", "-IL"},
    {"hu", "-HU"},
    {"ja", "-JP"},
    {"ko", "-KR"},
    {"pl", "-PL"},
    {"ru", "-RU"},
    {"sk", "-SK"},
    {"th", "-TH"},
    {"tr", "-TR"},
    {"lt", "-LT"},
    {"zh", "-TW|-CN|-HK|-SG|-MO"},
    {"de", "-DE|-CH|-AT|-LU|-LI"},
    {"en", "-US|-UK|-AU|-CA|-NZ|-IE|-ZA|-JM||-BZ|-TT|-ZW|-PH|-ID|-HK|-IN|-MY|-SG"},
    {"es", "-ES|-MX|-ES|-GT|-CR|-PA|-DO|-VE|-CO|-PE|-AR|-EC|-CL|-UY|-PY|-BO|-SV|-HN|-NI|-PR"},
    {"fr", "-FR|-BE|-CA|-CH|-LU|-MC||-RE|-CG|-SN|-CM|-CI|-ML|-MA|-HT"},
    {"it", "-IT|-CH"},
    {"nl", "-NL|-BE"},
    {"nn", "-NO|-NO"},
    {"pt", "-BR|-PT"},
    {"ro", "-RO|-MD"},
    {"sv", "-SE|-FI"},
    {"sl", "-SI|-SL"},
    {"hr", "-HR|.La_YU|.Cy_YU"},
    {"az", ".La|.Cy"},
    {"uz", ".La|.Cy"},
    {"mn", ".Cy|.Mn"},
    {"ber", ".Ar|.La"},
    {"pa", "-IN|.Ar_PK"},
    {"ms", "-MY|-BN"},
    {"bn", "-IN|-BD"},
    {"sd", "-IN|-PK"},
    {"ne", "-NP|-IN"},
    {"ti", "-ET|-ER"},
};

constexpr std::size_t kHelpPathBytes = 1024;

}  // namespace

std::string helpLocaleName(std::uint16_t langId) {
    unsigned primary = langId & 0x3FF;
    unsigned sub = langId >> 10;
    if (primary < 1 || primary > kLanguages.size()) return {};
    std::string_view language = kLanguages[primary - 1];
    std::string name(language);
    if (sub < 1 || language.empty()) return name;
    for (const RegionList& regions : kRegions) {
        if (regions.language != language) continue;
        std::string_view rest = regions.suffixes;
        for (unsigned field = 1;; ++field) {
            std::size_t bar = rest.find('|');
            if (field == sub) {
                name += rest.substr(0, bar);
                break;
            }
            if (bar == std::string_view::npos) break;  // the list is shorter: no suffix
            rest.remove_prefix(bar + 1);
        }
        break;
    }
    return name.substr(0, 255);
}

std::string helpFilePath(std::string_view installPath, std::string_view localeName) {
    std::string path;
    path.append(installPath).append("help\\").append(localeName).append("\\PelornHelp.chm");
    // The narrow buffer holds 1023 bytes and the NUL.
    if (path.size() > kHelpPathBytes - 1) path.resize(kHelpPathBytes - 1);
    return path;
}

}  // namespace zlx::app
