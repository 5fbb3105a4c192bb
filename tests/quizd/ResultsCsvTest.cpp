// Results CSV cells: what a spreadsheet would run is kept as text.
#include "ResultsCsv.h"

#include <gtest/gtest.h>

#include <sstream>

using quizd::ResultsCsv;

TEST(ResultsCsv, CellsASpreadsheetWouldRunAreNeutralised)
{
    const std::pair<const char*, const char*> cases[] = {
        {"ana", "ana"},
        {"=HYPERLINK(\"http://x\",\"y\")", "\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\""},
        {"+cmd|' /C calc'!A0", "'+cmd|' /C calc'!A0"},
        {"-2+3", "'-2+3"},
        {"@SUM(1)", "'@SUM(1)"},
        {"\tx", "'\tx"},
        {"\rx", "\"'\rx\""},
        {"a\rb", "\"a\rb\""},
        {"a,b", "\"a,b\""},
        {"a\nb", "\"a\nb\""},
        {"ana-maria", "ana-maria"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(ResultsCsv::field(in), out) << in;
}

TEST(ResultsCsv, OneLinePerStudent)
{
    std::ostringstream out;
    ResultsCsv::write(out, {{"=x", 3, 2, 1, "2026-01-01T10:00:00.000Z", "2026-01-01T10:05:00.000Z", 100,
                             "=ajustando, a antena", 912},
                            {"bia", 0, 0, 0, "", "", -1, "", -1}});
    EXPECT_EQ(out.str(), "usuario,respondidas,certas,erradas,primeira_resposta,ultima_resposta,etapa_alcancada,"
                         "fase_alcancada,segundos_para_concluir\n"
                         "'=x,3,2,1,2026-01-01T10:00:00.000Z,2026-01-01T10:05:00.000Z,100,\"'=ajustando, a antena\",912\n"
                         "bia,0,0,0,,,,,\n");
}
