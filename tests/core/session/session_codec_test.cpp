#include "core/session/session_codec.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace defwright {
namespace {

// Any bytes, line breaks, "=" and blanks among them.
std::string anyBytes(std::mt19937& random, std::size_t most)
{
    std::string bytes(std::uniform_int_distribution<std::size_t>(0, most)(random), '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
    return bytes;
}

KeptDocument randomDocument(std::mt19937& random, bool formScript)
{
    const auto number = [&random] { return std::uniform_int_distribution<std::uint64_t>()(random); };
    const auto coin = [&random] { return random() % 2 == 0; };
    KeptDocument document;
    document.formScript = formScript;
    if (coin())
        document.filePath = anyBytes(random, 40);
    if (coin())
        document.text = anyBytes(random, 300);
    document.format = {static_cast<TextEncoding>(random() % 3), static_cast<LineBreak>(random() % 3), coin(), coin()};
    document.modified = coin();
    if (coin())
        document.fileStamp = KeptFileStamp{number(), number()};
    document.view = {number(), number(), number(), number()};
    if (random() % 4 == 0)
        document.tie = KeptTie{number(), anyBytes(random, 30)};
    return document;
}

KeptPane randomPane(std::mt19937& random, std::string name)
{
    KeptPane pane;
    pane.name = std::move(name);
    const std::size_t documents = random() % 5;
    for (std::size_t i = 0; i < documents; ++i)
        pane.documents.push_back(randomDocument(random, i == 0 && random() % 3 != 0));
    pane.front = documents == 0 ? 0 : random() % documents;
    return pane;
}

KeptSession randomSession(std::mt19937& random)
{
    KeptSession session;
    for (const char* name : {"item", "npc"}) {
        if (random() % 4 != 0)
            session.panes.push_back(randomPane(random, name));
    }
    for (int field = 0; field < static_cast<int>(random() % 60); ++field)
        session.fields.emplace_back("txt(" + std::to_string(field) + ")", anyBytes(random, 20));
    session.npcFrames = static_cast<KeptNpcFrames>(random() % 3);
    return session;
}

TEST(SessionCodec, EverySessionComesBackAsItWas)
{
    std::mt19937 random(7);
    for (int round = 0; round < 500; ++round) {
        const KeptSession session = randomSession(random);
        const DecodedSession decoded = decodeSession(encodeSession(session));
        ASSERT_EQ(decoded.damage, "");
        ASSERT_TRUE(decoded.session == session) << "round " << round;
    }
}

TEST(SessionCodec, WhatItCannotTrustIsDamaged)
{
    KeptSession session;
    session.panes.emplace_back().name = "item";
    session.panes.back().documents.emplace_back().formScript = true;
    session.panes.back().documents.back().text = "ON=@CREATE\r\n";
    session.panes.back().documents.emplace_back().tie = KeptTie{4, "[ITEMDEF i_a]"};
    session.fields = {{"txtidef", "sword"}};
    const std::string good = encodeSession(session);
    const auto changed = [&good](std::string_view from, std::string_view to) {
        std::string bytes = good;
        bytes.replace(bytes.find(from), from.size(), to);
        return bytes;
    };
    const struct {
        std::string bytes;
        std::string damage;
    } cases[] = {
        {"", "it is not a kept session"},
        {"Defwright session x\n", "it is not a kept session"},
        {changed("session 2", "session 3"), "it was kept by another version of Defwright"},
        {changed("encoding 12\nwindows-1252", "encoding 12\nwindows-1251"), "a wrong value of \"encoding\""},
        {changed("modified 1\n0", "modified 1\n2"), "a wrong value of \"modified\""},
        {changed("field 13", "fields 13"), "an unknown entry \"fields\""},
        {changed("text 12", "text 13"), "it is cut short or garbled"},
        {changed("text 12", "text -1"), "it is cut short or garbled"},
        {changed("path 0\n\n", "path 0\n\npath 0\n\n"), "the entry \"path\" is there twice"},
        {changed("pane 4\nitem", "pane 0\n"), "a wrong value of \"pane\""},
        {changed("front 1\n0", "front 1\n2"), "a wrong value of \"front\""},
        {changed("document 4\nfile", "document 4\nform"), "a wrong value of \"document\""},
        {changed("document 4\nform", "document 4\nbook"), "a wrong value of \"document\""},
        {changed("tie 15\n4 ", "tie 15\nx "), "a wrong value of \"tie\""},
        {changed("front 1\n0\ndocument 4\nform\n", "document 4\nform\nfront 1\n0\n"), "an unknown entry \"front\""},
        {changed("field 13\ntxtidef=sword", "field 13\n=txtidefsword"), "a wrong value of \"field\""},
        {good + "x", "something follows its end"},
    };
    for (const auto& [bytes, damage] : cases) {
        const DecodedSession decoded = decodeSession(bytes);
        EXPECT_FALSE(decoded.session) << bytes;
        EXPECT_EQ(decoded.damage, damage) << bytes;
    }
}

// What the version before kept, one text to a pane, is that pane's one
// document: the form's script while it had no file, the file's else.
TEST(SessionCodec, AStoreOfTheVersionBeforeIsReadAsOneDocumentAPane)
{
    const std::string before = "Defwright session 1\n"
                               "pane 4\nitem\npath 12\n/s/items.scp\ntext 3\nabc\nmodified 1\n1\n"
                               "selection 3\n2 1\npane 3\nnpc\npath 0\n\ntext 2\nxy\n"
                               "field 5\nab=cd\nend 0\n\n";
    const DecodedSession decoded = decodeSession(before);
    ASSERT_EQ(decoded.damage, "");
    ASSERT_EQ(decoded.session->panes.size(), 2U);
    const KeptPane& item = decoded.session->panes[0];
    ASSERT_EQ(item.documents.size(), 1U);
    EXPECT_FALSE(item.documents[0].formScript);
    EXPECT_EQ(item.documents[0].filePath, "/s/items.scp");
    EXPECT_EQ(item.documents[0].text, "abc");
    EXPECT_TRUE(item.documents[0].modified);
    EXPECT_EQ(item.documents[0].view.anchor, 1U);
    EXPECT_EQ(item.front, 0U);
    EXPECT_TRUE(decoded.session->panes[1].documents[0].formScript);
    EXPECT_EQ(decoded.session->fields.size(), 1U);
    for (const char* newer : {"front 1\n0\n", "document 4\nfile\n", "tie 3\n1 x\n"}) {
        std::string bytes = before;
        bytes.insert(bytes.find("path 12"), newer);
        EXPECT_FALSE(decodeSession(bytes).session) << newer;
    }
}

// Whatever the bytes, the decoder gives a session or a reason, and a session
// it gives is one it writes back the same; a store cut short anywhere is damaged.
TEST(SessionCodec, AnyBytesGiveASessionOrDamage)
{
    std::mt19937 random(3);
    const std::string good = encodeSession(randomSession(random));
    for (std::size_t length = 0; length < good.size(); ++length) {
        const DecodedSession decoded = decodeSession(std::string_view(good).substr(0, length));
        ASSERT_FALSE(decoded.session) << "cut at " << length;
        ASSERT_NE(decoded.damage, "");
    }
    for (int round = 0; round < 20000; ++round) {
        std::string bytes = good;
        for (int flip = 0; flip <= static_cast<int>(random() % 3); ++flip)
            bytes[random() % bytes.size()] = static_cast<char>(random());
        if (round % 4 == 0)
            bytes = anyBytes(random, 200);
        const DecodedSession decoded = decodeSession(bytes);
        ASSERT_NE(decoded.session.has_value(), !decoded.damage.empty());
        if (decoded.session) {
            ASSERT_TRUE(decodeSession(encodeSession(*decoded.session)).session == decoded.session);
        }
    }
}

} // namespace
} // namespace defwright
