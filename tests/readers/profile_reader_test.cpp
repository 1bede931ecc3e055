// The profile reader: its tag, title, segments and limits.
#include "readers/profile_reader.hpp"

#include <gtest/gtest.h>

#include <memory>

#include "store/stop.hpp"
#include "support/profile_files.hpp"

namespace mirval {
namespace {

class ProfileReader : public ::testing::Test {
protected:
    // Reads the text as a profile file; a stop's message joins the console log.
    void read(const std::string& text) {
        fileName = test::writeScratch("perfil.prr", text).string();
        try {
            LERPRR(fileName, *chain, console);
        } catch (const RunStop& stop) {
            for (const std::string& line : stop.messages) console.line(line);
            throw;
        }
    }
    const std::string& log() const { return console.text(); }
    std::string names() const {
        std::string all;
        for (int i = 1; i <= chain->nameCount; ++i) all += std::string(chain->name[i].trimmed()) + "|";
        return all;
    }

    std::string fileName;
    LineCollector console;
    std::unique_ptr<ProfileChain> chain = std::make_unique<ProfileChain>();
};

TEST_F(ProfileReader, FirstValueDecidesWhetherItIsAProfile) {
    for (const char* first : {"PRF", "prf seguido de qualquer coisa", "PRRX", "'pRR',x"}) {
        read(test::profileHead(first, "Titulo"));
        EXPECT_EQ(chain->segmentCount, 0) << first;
    }
    EXPECT_EQ(log().find("NÃO É DE PERFIL"), std::string::npos);
    for (const char* first : {"PRX", "pRr perfil", "prF"}) {
        console.clear();
        read(first + std::string("\n"));  // one line only: nothing further is read
        EXPECT_EQ(chain->segmentCount, -1) << first;
        EXPECT_EQ(log(), "\nO ARQUIVO LIDO NÃO É DE PERFIL. SELECIONAR OUTRO.\n\n");
    }
}

TEST_F(ProfileReader, TitleAndSegmentsWithDistinctNames) {
    read(test::profileHead("PRR", "Perfil da galeria – Gruta") +
         "A1 A2 D\n"
         "A2,A3,E\n"
         "\n"
         "'A 3' \"A,4\" Esquerdalonga resto ignorado\n"
         "A3 A1\n"
         "left\n"
         "& A1 D\n");
    // the title echoed at its full width
    EXPECT_EQ(log(), "\n" + test::padded("Perfil da galeria – Gruta", 256) + "\n\n");
    ASSERT_EQ(chain->segmentCount, 5);
    // a name like the empty marker "&" still gets a slot of its own
    EXPECT_EQ(names(), "A1|A2|A3|A 3|A,4|&|");
    EXPECT_EQ(chain->name[7], kEmptyProfileName);
    const int from[] = {1, 2, 4, 3, 6};
    const int to[] = {2, 3, 5, 1, 1};
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(chain->from[k] * 10 + chain->to[k], from[k - 1] * 10 + to[k - 1]) << k;
    EXPECT_EQ(chain->code[3].full(), "Esquerdalo");  // cut to 10 bytes
    EXPECT_EQ(chain->code[4].full(), "left      ");  // the record ran on to the next line
}

TEST_F(ProfileReader, EmptySegmentListAndEnds) {
    read(test::profileHead("PRR", "Sem segmentos"));
    EXPECT_EQ(chain->segmentCount, 0);
    EXPECT_EQ(chain->nameCount, 0);
    // a record cut short by the end of the file (here the byte 26) is dropped
    read(test::profileHead("PRR", "Incompleto") + "A1 A2 D\r\nA2 A3\r\n\x1A" "A3 A4 D\r\n");
    EXPECT_EQ(chain->segmentCount, 1);
    EXPECT_EQ(chain->nameCount, 2);

    // a premature end in the first thirteen lines stops the run
    for (const auto& [text, line] : {std::pair{"", 1}, {"PRR\nx\nx\nx\n", 5}, {"PRR\nx\nx\nx\ntitulo\nx\n", 7}}) {
        console.clear();
        EXPECT_THROW(read(text), RunStop);
        const std::string message = "ERRO DE LEITURA NO ARQUIVO " + fileName + ", LINHA ";
        EXPECT_EQ(log().substr(log().find("ERRO")), message + std::to_string(line) + "\n");
    }
}

TEST_F(ProfileReader, MoreThanTenThousandNamesOrSegmentsStops) {
    std::string names = test::profileHead("PRR", "nomes");
    for (int k = 1; k <= 5001; ++k) names += "N" + std::to_string(2 * k) + " N" + std::to_string(2 * k + 1) + " D\n";
    EXPECT_THROW(read(names), RunStop);
    EXPECT_NE(log().find("NUMERO DE ESTACOES EXCEDE O LIMITE DE 10000.\n"), std::string::npos);

    std::string segments = test::profileHead("PRR", "segmentos");
    for (int k = 1; k <= kCapacity; ++k) segments += "A B D\n";
    read(segments);
    EXPECT_EQ(chain->segmentCount, kCapacity);
    EXPECT_THROW(read(segments + "B A D\n"), RunStop);
    EXPECT_NE(log().find("NUMERO DE LINHAS EXCEDE O LIMITE DE 10000.\n"), std::string::npos);
}

}  // namespace
}  // namespace mirval
