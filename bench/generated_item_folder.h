#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace defwright::bench {

inline constexpr std::size_t kItemFolderFiles = 772;
inline constexpr std::size_t kItemsPerFile = 48; // 37,056 item definitions in all

// One item definition of about 680 bytes (a folder of 24 MiB), keyed as the public collection's
// are: a DEFNAME for most, a DUPEITEM for a third, repeated COMPONENT lines
// for some, a tag for a few, and three triggers.
inline std::string generatedItem(std::size_t number)
{
    const std::string n = std::to_string(number);
    const auto id = [](std::size_t value) {
        static constexpr char kDigits[] = "0123456789abcdef";
        std::string hex;
        for (; value > 0; value /= 16)
            hex.insert(hex.begin(), kDigits[value % 16]);
        return "0" + hex;
    };
    static const std::string kTypes[] = {"t_weapon_sword", "t_armor", "t_normal", "t_container", "t_food"};
    std::string item = "[ITEMDEF " + id(0x4000 + number) + "]\r\n";
    if (number % 20 < 11)
        item += "DEFNAME=i_generated_" + n + "\r\n";
    item += "NAME=generated thing " + n + "\r\nTYPE=" + kTypes[number % 5] + "\r\nVALUE=" + std::to_string(number % 997)
        + "\r\nWEIGHT=" + std::to_string(number % 30) + "\r\n";
    if (number % 3 == 0)
        item += "DUPEITEM=" + id(0x4000 + number - 1) + "\r\n";
    item += "RESOURCES=" + std::to_string(1 + number % 9) + " i_ingot_iron\r\nSKILLMAKE=BLACKSMITHING "
        + std::to_string(number % 100) + ".0\r\nCATEGORY=Generated\r\nSUBSECTION=Things " + std::to_string(number % 40)
        + "\r\nDESCRIPTION=Thing " + n + "\r\n";
    for (std::size_t part = 0; part < number % 4; ++part)
        item += "COMPONENT=" + id(0x5000 + part) + "\r\n";
    if (number % 20 == 0)
        item += "TEVENTS=e_generated\r\nTAG.OVERRIDE.SOUND=0x51\r\n";
    return item + "ON=@Create\r\n   ATTR=attr_magic\r\n   HITPOINTS={40 60}\r\nON=@Click\r\n"
        + "   SRC.SYSMESSAGE This is generated thing " + n + ", one of many alike.\r\n   RETURN 0\r\n"
        + "ON=@DClick\r\n   IF (<SRC.DEX> > 50)\r\n      SRC.SAY Quick hands " + n + "\r\n   ENDIF\r\n   RETURN 1\r\n"
        + "// a note of the kind real files carry, about what was changed and why\r\n"
        + "// and another one, as long, that keeps an old line out of use for now\r\n\r\n";
}

// The texts of a folder the size of a real server's: kItemFolderFiles files of
// kItemsPerFile item definitions each, with an NPC and a type section among them.
inline std::vector<std::string> generatedItemFolder()
{
    std::vector<std::string> files;
    std::size_t item = 0;
    for (std::size_t file = 0; file < kItemFolderFiles; ++file) {
        std::string text = "// Generated items " + std::to_string(file) + "\r\nVERSION=X1\r\n\r\n";
        for (std::size_t i = 0; i < kItemsPerFile; ++i) {
            text += generatedItem(item++);
            if (i == kItemsPerFile / 2)
                text += "[CHARDEF c_generated_" + std::to_string(file) + "]\r\nID=c_man\r\nNAME=a man\r\n\r\n"
                    + "[TYPEDEF t_generated_" + std::to_string(file) + "]\r\nON=@DClick\r\n   RETURN 1\r\n\r\n";
        }
        files.push_back(std::move(text));
    }
    return files;
}

} // namespace defwright::bench
