#pragma once

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace defwright::bench {

inline constexpr std::size_t kFolderFiles = 772;
inline constexpr std::size_t kSectionsPerFile = 66; // 50,952 sections in all
inline constexpr std::size_t kFolderBytes = 24 * 1024 * 1024;

// A name every 30th section uses, 1,699 times in all, as real folders use
// their common items: what a search for every place of a name is measured on.
inline constexpr std::string_view kCommonName = "i_generated_common";
inline constexpr std::size_t kCommonEvery = 30;

// One item, one NPC or one events section of about 490 bytes, all its
// names unique to it, each referring to the one before; the first item also
// answers to kCommonName.
inline std::string generatedSection(std::size_t number)
{
    const std::string n = std::to_string(number);
    const std::string before = std::to_string(number == 0 ? 0 : number - 1);
    if (number % 3 == 2)
        return "[EVENTS e_generated_" + n + "]\r\nON=@Click\r\n    SRC.SYSMESSAGE You click event " + n
            + ".\r\nON=@DClick\r\n    IF (<SRC.DEX> > 50)\r\n        SRC.SAY Quick hands " + n
            + "\r\n    ENDIF\r\n    RETURN 1\r\n" + std::string(250, '/') + "\r\n\r\n";
    const bool item = number % 3 == 0;
    const std::string head = item ? "[ITEMDEF 0" + std::to_string(0x4000 + number) + "]\r\nDEFNAME=i_generated_" + n
                                  : "[CHARDEF c_generated_" + n + "]\r\nID=c_man";
    std::string common;
    if (number == 0)
        common += "\r\nDEFNAME2=" + std::string(kCommonName);
    if (number % kCommonEvery == 0)
        common += "\r\nRESOURCES=2 " + std::string(kCommonName);
    return head + common + "\r\nNAME=generated thing number " + n + "\r\nTYPE=t_normal\r\nWEIGHT=5\r\nVALUE=10\r\n"
        + (item ? "DUPEITEM=0" + std::to_string(0x4000 + number - number % 3) : "ITEMNEWBIE=i_generated_" + before)
        + "\r\nTEVENTS=e_generated_" + std::to_string(number - number % 3 + 2)
        + "\r\nCATEGORY=Generated\r\nSUBSECTION=Things\r\nDESCRIPTION=Thing " + n
        + "\r\nON=@Create\r\n    COLOR=0481\r\n    ATTR=attr_magic\r\n    HITPOINTS={40 60}\r\n"
        + "ON=@Click\r\n    SRC.SYSMESSAGE This is generated thing " + n + ", one of many alike.\r\n"
        + "    RETURN 0\r\n\r\n";
}

// The size of a real server's folder: files in ten subfolders, each of
// kSectionsPerFile sections and a long comment that brings the folder to kFolderBytes.
inline void writeGeneratedFolder(const std::filesystem::path& folder)
{
    std::size_t section = 0;
    for (std::size_t file = 0; file < kFolderFiles; ++file) {
        std::string text = "// Generated script " + std::to_string(file) + "\r\n";
        for (std::size_t i = 0; i < kSectionsPerFile; ++i)
            text += generatedSection(section++);
        const std::size_t share = kFolderBytes / kFolderFiles;
        while (text.size() + 100 < share)
            text += "// padding of the kind real files carry: notes, old lines taken out of use, credits\r\n";
        const std::filesystem::path path = folder / ("sub" + std::to_string(file % 10)) / ("f" + std::to_string(file) + ".scp");
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }
}

} // namespace defwright::bench
