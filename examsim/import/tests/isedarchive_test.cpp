#include "examsim/import/isedarchive.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "examsim/import/isedfile.h"
#include "examsim/import/poolimport.h"
#include "examsim/import/tests/isedkit.h"
#include "examsim/import/tests/zipkit.h"

namespace {

const std::string Pool = crlf({IsedHeader, isedRow("B-001-001-001"), isedRow("B-002-001-001")});
const std::string Readme = "Read me first.\r\n";

struct ArchiveCase {
    const char* name;
    std::string zip;
    std::string member;  // the member imported; empty when refused
};

class ArchiveMemberTest : public ::testing::TestWithParam<ArchiveCase> {};

TEST_P(ArchiveMemberTest, TheDelimitedFileIsTheOneImported) {
    ErrorRecorder rec;
    IsedMember member;
    ASSERT_TRUE(myReadIsedArchive(GetParam().zip, "pool.zip", member)) << rec.lastText();
    EXPECT_TRUE(rec.boxes.empty());
    EXPECT_EQ(member.Name, GetParam().member);
    EXPECT_EQ(member.Bytes, Pool);
}

INSTANTIATE_TEST_SUITE_P(
    Archives, ArchiveMemberTest,
    ::testing::Values(
        ArchiveCase{"OneMember", makeZip({{"amat_basic_quest_delim.txt", Pool}}), "amat_basic_quest_delim.txt"},
        ArchiveCase{"Stored", makeZip({{"amat_basic_quest_delim.txt", Pool}}, {false, ""}),
                    "amat_basic_quest_delim.txt"},
        ArchiveCase{"DelimitedBesideAnotherText",
                    makeZip({{"readme.txt", Readme}, {"amat_basic_quest_delim.txt", Pool}}),
                    "amat_basic_quest_delim.txt"},
        ArchiveCase{"InAFolderWithCapitals", makeZip({{"2025/", ""}, {"2025/AMAT_BASIC_QUEST_DELIM.TXT", Pool}}),
                    "AMAT_BASIC_QUEST_DELIM.TXT"},
        ArchiveCase{"OnlyTextFileBesideOthers",
                    makeZip({{"notes.pdf", "%PDF-1.4"}, {"questions.txt", Pool}, {"logo.png", "\x89PNG"}}),
                    "questions.txt"},
        ArchiveCase{"MacShadowsLeftOut",
                    makeZip({{"amat_basic_quest_delim.txt", Pool}, {"__MACOSX/._amat_basic_quest_delim.txt", std::string("\0\5", 2)}}),
                    "amat_basic_quest_delim.txt"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    std::string (*zip)();  // made when the case runs: one of them is 20 MB
    const char* english;
    const char* french;  // UTF-8 here
};

std::string delimited(const ZipOptions& options = {}) {
    return makeZip({{"readme.txt", Readme}, {"amat_basic_quest_delim.txt", Pool}}, options);
}

// Every refusal goes through the whole import, into a folder that must stay
// empty, in both languages.
class ArchiveRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(ArchiveRefusalTest, IsReportedNamingTheArchiveAndNothingIsWritten) {
    const RefusalCase& c = GetParam();
    TempFolder dir;
    const std::string source = dir.write("amat_basic_quest.zip", c.zip());
    for (int language : {0, 1}) {
        ErrorRecorder rec(language);
        const ImportOutcome outcome = myImportOfficialBank(source, dir.file("banks"), "", ImportPorts{});
        EXPECT_EQ(outcome.Result, ImportResult::Failed);
        ASSERT_EQ(rec.boxes.size(), 1u);
        EXPECT_EQ(rec.boxes[0].text, latin1(language == 0 ? c.english : c.french));
        EXPECT_FALSE(std::filesystem::exists(dir.file("banks")));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Archives, ArchiveRefusalTest,
    ::testing::Values(
        RefusalCase{"TwoTextMembers", [] { return makeZip({{"basic.txt", Pool}, {"advanced.txt", Pool}}); },
                    "myReadIsedArchive, amat_basic_quest.zip holds several question files (basic.txt and "
                    "advanced.txt): cannot tell which to import",
                    "myReadIsedArchive, amat_basic_quest.zip contient plusieurs fichiers de questions (basic.txt "
                    "et advanced.txt) : impossible de savoir lequel importer"},
        RefusalCase{"TwoDelimitedMembers",
                    [] { return makeZip({{"amat_basic_quest_delim.txt", Pool}, {"amat_adv_quest_delim.txt", Pool}}); },
                    "myReadIsedArchive, amat_basic_quest.zip holds several question files "
                    "(amat_basic_quest_delim.txt and amat_adv_quest_delim.txt): cannot tell which to import",
                    "myReadIsedArchive, amat_basic_quest.zip contient plusieurs fichiers de questions "
                    "(amat_basic_quest_delim.txt et amat_adv_quest_delim.txt) : impossible de savoir lequel "
                    "importer"},
        RefusalCase{"NoDelimitedFile", [] { return makeZip({{"amat_basic_quest.pdf", "%PDF-1.4"}, {"data.csv", Pool}}); },
                    "myReadIsedArchive, amat_basic_quest.zip holds no question file (a name ending in _delim.txt)",
                    "myReadIsedArchive, amat_basic_quest.zip ne contient aucun fichier de questions (un nom "
                    "finissant par _delim.txt)"},
        RefusalCase{"EmptyArchive", [] { return makeZip({}); },
                    "myReadIsedArchive, amat_basic_quest.zip holds no question file (a name ending in _delim.txt)",
                    "myReadIsedArchive, amat_basic_quest.zip ne contient aucun fichier de questions (un nom "
                    "finissant par _delim.txt)"},
        RefusalCase{"Truncated", [] { return delimited().substr(0, delimited().size() / 2); },
                    "myReadIsedArchive, amat_basic_quest.zip is damaged or incomplete: download it again",
                    "myReadIsedArchive, amat_basic_quest.zip est endommagé ou incomplet : téléchargez-le de "
                    "nouveau"},
        RefusalCase{"CutBeforeTheDirectoryEnds", [] { return delimited().substr(0, delimited().size() - 10); },
                    "myReadIsedArchive, amat_basic_quest.zip is damaged or incomplete: download it again",
                    "myReadIsedArchive, amat_basic_quest.zip est endommagé ou incomplet : téléchargez-le de "
                    "nouveau"},
        RefusalCase{"NotAZipAtAll", [] { return std::string(Pool); },
                    "myReadIsedArchive, amat_basic_quest.zip is damaged or incomplete: download it again",
                    "myReadIsedArchive, amat_basic_quest.zip est endommagé ou incomplet : téléchargez-le de "
                    "nouveau"},
        RefusalCase{"Encrypted", [] { return delimited({true, "secret"}); },
                    "myReadIsedArchive, amat_basic_quest_delim.txt in amat_basic_quest.zip is encrypted and "
                    "cannot be read",
                    "myReadIsedArchive, amat_basic_quest_delim.txt dans amat_basic_quest.zip est chiffré et ne "
                    "peut être lu"},
        RefusalCase{"ClaimsAHugeSize", [] { return claimSize(makeZip({{"amat_basic_quest_delim.txt", Pool}}, {false, ""}), 0xFFFFFF00u); },
                    "myReadIsedArchive, amat_basic_quest_delim.txt in amat_basic_quest.zip is larger than 20 MB "
                    "once unpacked: it is not a question file",
                    "myReadIsedArchive, amat_basic_quest_delim.txt dans amat_basic_quest.zip dépasse 20 Mo une "
                    "fois décompressé : ce n'est pas un fichier de questions"},
        RefusalCase{"TooManyMembers",
                    [] {
                        std::vector<ZipMember> members(MaxArchiveMembers + 1, ZipMember{"", "x"});
                        for (size_t i = 0; i < members.size(); ++i)
                            members[i].name = std::to_string(i) + ".pdf";
                        members.back() = {"amat_basic_quest_delim.txt", Pool};
                        return makeZip(members, {false, ""});
                    },
                    "myReadIsedArchive, amat_basic_quest.zip holds more than 1000 members: it is "
                    "not a question pool",
                    "myReadIsedArchive, amat_basic_quest.zip contient plus de 1000 membres : ce "
                    "n'est pas une banque de questions"},
        RefusalCase{"NameFlaggedUtf8ButNot",
                    [] {
                        const std::string zip = makeZip({{"amat_basic_quest_delimXX.txt", Pool}});
                        return flaggedUtf8(zip, "XX", "\xFF\xFE");
                    },
                    "myReadIsedArchive, amat_basic_quest.zip holds a member whose name cannot be "
                    "read (it is not valid UTF-8)",
                    "myReadIsedArchive, amat_basic_quest.zip contient un membre dont le nom est "
                    "illisible (ce n'est pas de l'UTF-8 valide)"},
        RefusalCase{"OnlyTextMemberIsNoPool", [] { return makeZip({{"notes.txt", Readme}}); },
                    "myReadIsedFile, notes.txt in amat_basic_quest.zip, line 1: 1 fields instead "
                    "of 11 (fields are separated by ;)",
                    "myReadIsedFile, notes.txt dans amat_basic_quest.zip, ligne 1 : 1 champs au "
                    "lieu de 11 (les champs sont séparés par ;)"},
        RefusalCase{"InflatesPastTheLimit",
                    [] { return makeZip({{"amat_basic_quest_delim.txt", std::string(MaxMemberBytes + 1, ';')}}); },
                    "myReadIsedArchive, amat_basic_quest_delim.txt in amat_basic_quest.zip is larger than 20 MB "
                    "once unpacked: it is not a question file",
                    "myReadIsedArchive, amat_basic_quest_delim.txt dans amat_basic_quest.zip dépasse 20 Mo une "
                    "fois décompressé : ce n'est pas un fichier de questions"}),
    [](const auto& info) { return std::string(info.param.name); });

// A member that claims to be small but inflates past the limit is stopped
// by what it really unpacks to, whatever libarchive makes of the claim.
TEST(ArchiveLimit, AFalseSmallClaimDoesNotLetAHugeMemberThrough) {
    ErrorRecorder rec;
    const std::string zip =
        claimSize(makeZip({{"amat_basic_quest_delim.txt", std::string(MaxMemberBytes + 40000, 'x')}}), 1000);
    IsedMember member;
    EXPECT_FALSE(myReadIsedArchive(zip, "pool.zip", member));
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_LE(member.Bytes.size(), MaxMemberBytes);
}

TEST(ArchiveKind, ZipBytesOrAZipNameMakeAnArchive) {
    EXPECT_TRUE(isZipArchive("pool.txt", makeZip({{"a.txt", "x"}})));
    EXPECT_TRUE(isZipArchive("pool.txt", makeZip({})));
    EXPECT_TRUE(isZipArchive("POOL.ZIP", Pool));
    EXPECT_FALSE(isZipArchive("amat_basic_quest_delim.txt", Pool));
    EXPECT_FALSE(isZipArchive("PK.txt", "PK"));
}

struct EditionCase {
    const char* name;
    const char* archive;
    const char* member;
    std::time_t modified;
    const char* edition;
};

class ArchiveEditionTest : public ::testing::TestWithParam<EditionCase> {};

TEST_P(ArchiveEditionTest, EditionComesFromTheNamesThenTheMembersDate) {
    const EditionCase& c = GetParam();
    ErrorRecorder rec;
    TempFolder dir;
    const std::string source = dir.write(c.archive, makeZip({{c.member, Pool, c.modified}}));
    ImportedPool pool;
    ASSERT_TRUE(myReadIsedFile(source, pool)) << rec.lastText();
    // No edition given: the archive's own date, which is today's.
    EXPECT_EQ(pool.Edition, c.edition ? c.edition : yearOf(std::time(nullptr)));
    // The banks name the delimited file, as an import of the file itself does.
    EXPECT_EQ(pool.SourceName, c.member);
}

// What a ZIP writer puts when it knows no date; an edition of 1980 from it
// would be a lie.
std::time_t zipsNoDate() {
    std::tm local{};
    local.tm_year = 80;
    local.tm_mday = 1;
    local.tm_isdst = -1;
    return std::mktime(&local);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ArchiveEditionTest,
    ::testing::Values(EditionCase{"MemberName", "amat_basic_quest2019.zip", "amat_basic_quest_delim2025.txt",
                                  1735732800, "2025"},
                      EditionCase{"ArchiveName", "amat_basic_quest2024.zip", "amat_basic_quest_delim.txt",
                                  1735732800, "2024"},
                      EditionCase{"MembersDate", "amat_basic_quest.zip", "amat_basic_quest_delim.txt",
                                  1687262400 /* 2023-06-20 */, "2023"},
                      EditionCase{"NoDateFallsToTheArchivesDate", "amat_basic_quest.zip",
                                  "amat_basic_quest_delim.txt", zipsNoDate(), nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
