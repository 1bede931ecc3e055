#include "profile/reader.hpp"

#include <gtest/gtest.h>

#include <memory>

#include "core/stop.hpp"
#include "profile_test_support.hpp"

namespace mirval {
namespace {

using test::profileHead;
using test::writeScratch;

class ProfileReader : public test::WithScriptedPlatform {
protected:
    // Reads `text` as the profile file "perfil.prr" of the scratch folder.
    void read(const std::string& text) {
        fileName.assign(writeScratch("perfil.prr", text).string());
        LERPRR(fileName, title, *chain);
    }
    std::string nameOf(int index) const { return std::string(chain->name[index].trimmed()); }

    LongText fileName;
    LongText title;
    std::unique_ptr<ProfileChain> chain = std::make_unique<ProfileChain>();
};

TEST_F(ProfileReader, AcceptsTheEightTagsByTheirFirstThreeCharacters) {
    for (const char* tag : {"PRR", "prr", "Prr", "pRR", "Prf", "pRF", "PRF", "prf"}) {
        EXPECT_TRUE(isProfileTag(FixedText<3>(tag))) << tag;
    }
    for (const char* tag : {"PRX", "pRr", "PrR", "prF", "PR", "  "}) {
        EXPECT_FALSE(isProfileTag(FixedText<3>(tag))) << tag;
    }

    for (const char* first : {"PRF", "prf seguido de qualquer coisa", "PRRX", "'PRR',x"}) {
        read(profileHead(first, "Titulo"));
        EXPECT_EQ(chain->segmentCount, 0) << first;
    }
    EXPECT_EQ(log().find("NÃO É DE PERFIL"), std::string::npos);
}

TEST_F(ProfileReader, RejectsAnyOtherFirstValueWithoutReadingOn) {
    for (const char* first : {"PRX", "pRr perfil", "XYZ nada"}) {
        platform.log.clear();
        read(first + std::string("\n"));  // one line only: nothing further is read
        EXPECT_EQ(chain->segmentCount, -1) << first;
        EXPECT_EQ(log(), "\nO ARQUIVO LIDO NÃO É DE PERFIL. SELECIONAR OUTRO.\n\n");
    }
}

TEST_F(ProfileReader, ReadsTitleAndSegmentsWithDistinctNames) {
    read(profileHead("PRR", "Perfil da galeria – Gruta") +
         "A1 A2 D\n"
         "A2,A3,E\n"
         "\n"
         "'A 3' \"A,4\" Esquerdalonga resto ignorado\n"
         "A3 A1\n"
         "left\n");
    EXPECT_EQ(title.trimmed(), "Perfil da galeria – Gruta");
    EXPECT_EQ(log(), "\n" + title.str() + "\n\n");
    ASSERT_EQ(chain->segmentCount, 4);
    ASSERT_EQ(chain->nameCount, 5);
    EXPECT_EQ(nameOf(1) + "|" + nameOf(2) + "|" + nameOf(3) + "|" + nameOf(4) + "|" + nameOf(5), "A1|A2|A3|A 3|A,4");
    EXPECT_EQ(chain->name[6], kEmptyProfileName);
    const int expectedFrom[] = {1, 2, 4, 3};
    const int expectedTo[] = {2, 3, 5, 1};
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(chain->from[k], expectedFrom[k - 1]) << k;
        EXPECT_EQ(chain->to[k], expectedTo[k - 1]) << k;
    }
    EXPECT_EQ(chain->code[3].full(), "Esquerdalo");  // cut to 10 bytes
    EXPECT_EQ(chain->code[4].full(), "left      ");  // the record ran on to the next line
}

TEST_F(ProfileReader, EmptySegmentListAndRecordCutShortByTheEnd) {
    read(profileHead("PRR", "Sem segmentos"));
    EXPECT_EQ(chain->segmentCount, 0);
    EXPECT_EQ(chain->nameCount, 0);

    read(profileHead("PRR", "Ultimo registro incompleto") + "A1 A2 D\r\nA2 A3\r\n\x1A" "A3 A4 D\r\n");
    EXPECT_EQ(chain->segmentCount, 1);
    EXPECT_EQ(chain->nameCount, 2);
}

TEST_F(ProfileReader, NameLikeTheEmptyMarkerGetsItsOwnSlot) {
    read(profileHead("PRR", "t") + "& A1 D\nA1 A2 D\n");
    ASSERT_EQ(chain->nameCount, 3);
    EXPECT_EQ(nameOf(1) + nameOf(2) + nameOf(3), "&A1A2");
    EXPECT_EQ(chain->to[2], 3);
}

TEST_F(ProfileReader, PrematureEndInTheFirstThirteenLinesStops) {
    struct Case {
        std::string text;
        const char* message;
    };
    const Case cases[] = {
        {"", "ERRO DE LEITURA NO ARQUIVO %, LINHA 1\n"},
        {"PRR\nx\nx\nx\n", "ERRO DE LEITURA NO ARQUIVO %, LINHA 5\n"},
        {"PRR\nx\nx\nx\ntitulo\nx\nx\n", "ERRO DE LEITURA NO ARQUIVO %, LINHA 8\n"},
    };
    for (const Case& c : cases) {
        platform.log.clear();
        EXPECT_THROW(read(c.text), RunStop);
        std::string expected = c.message;
        expected.replace(expected.find('%'), 1, fileName.trimmed());
        EXPECT_EQ(log().substr(log().find("ERRO")), expected);
    }
}

TEST_F(ProfileReader, MoreThanTenThousandNamesOrSegmentsStops) {
    std::string names = profileHead("PRR", "nomes");
    for (int k = 1; k <= 5001; ++k) names += "N" + std::to_string(2 * k) + " N" + std::to_string(2 * k + 1) + " D\n";
    EXPECT_THROW(read(names), RunStop);
    EXPECT_NE(log().find("NUMERO DE ESTACOES EXCEDE O LIMITE DE 10000.\n"), std::string::npos);

    std::string segments = profileHead("PRR", "segmentos");
    for (int k = 1; k <= kCapacity; ++k) segments += "A B D\n";
    read(segments);
    EXPECT_EQ(chain->segmentCount, kCapacity);
    EXPECT_THROW(read(segments + "B A D\n"), RunStop);
    EXPECT_NE(log().find("NUMERO DE LINHAS EXCEDE O LIMITE DE 10000.\n"), std::string::npos);
}

}  // namespace
}  // namespace mirval
