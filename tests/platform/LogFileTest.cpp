// Tests of the log file: writes, line ends, the matrix dump, lost writes and shrinking.
#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "platform/LogFile.h"
#include "support/TempDirTest.h"

namespace {

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class LogFileTest : public TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        path = makeTempDir() + "/log.txt";
        log.setpath(path.c_str());
        ASSERT_EQ(log.clear(), 1);
    }

    tp_LogFile log;
    std::string path;
};

}

TEST_F(LogFileTest, ClearWithoutPathDoesNothing)
{
    tp_LogFile empty;
    EXPECT_EQ(empty.clear(), 0);
    EXPECT_EQ(empty.clear(""), 0);
    EXPECT_EQ(empty.shrink(), 0);
}

// writelf ends each line, write never adds one; numbers and characters as printf writes them.
TEST_F(LogFileTest, WritesAsFormattedAndClearEmpties)
{
    log.writelf("a");
    log.writelf(5);
    log.write("x");
    log.write('c');
    log.write(' ');
    log.write(-12);
    log.write(' ');
    log.write(1234567890123L);
    log.write(' ');
    log.writelf(1.5f);
    log.writelf(0.25);
    EXPECT_EQ(readAll(path), "a\n5\nxc -12 1234567890123 1.500000\n0.250000\n");
    EXPECT_EQ(log.clear(), 1);
    EXPECT_EQ(readAll(path), "");
}

TEST_F(LogFileTest, MatrixOfFourteenColumnsIsWritten)
{
    double values[28];
    for (int i = 0; i < 28; ++i)
        values[i] = 9.5 - i * 0.01;
    log.dlmwrite(';', values, 2, 14);
    std::istringstream lines(readAll(path));
    std::string row;
    int rows = 0;
    while (std::getline(lines, row)) {
        ++rows;
        EXPECT_LE(row.size(), 294u);
        EXPECT_EQ(std::count(row.begin(), row.end(), ';'), 13);
    }
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(readAll(path).substr(0, 21), "9.500000000000000000;");
}

TEST_F(LogFileTest, MatrixOfFifteenColumnsThrowsAndWritesNothing)
{
    double values[15] = {};
    EXPECT_THROW(log.dlmwrite(',', values, 1, 15), std::runtime_error);
    EXPECT_EQ(readAll(path), "");
}

TEST_F(LogFileTest, WideValuesAreCutButEachRowKeepsItsLine)
{
    double values[28];
    for (int i = 0; i < 28; ++i)
        values[i] = i < 14 ? -0.5 : 1e300;
    log.dlmwrite(',', values, 2, 14);
    std::string text = readAll(path);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2);
    EXPECT_LT(text.size(), 600u);
    EXPECT_EQ(text.back(), '\n');
}

TEST_F(LogFileTest, WritesToAMissingFolderAreLostSilently)
{
    std::string missing = makeTempDir() + "/no/such/folder/log.txt";
    tp_LogFile lost;
    lost.setpath(missing.c_str());
    EXPECT_EQ(lost.clear(), 0);
    lost.writelf("text");
    lost.write(3);
    lost.writelf(2.0);
    std::ifstream in(missing);
    EXPECT_FALSE(in.good());
}

TEST_F(LogFileTest, OverlongPathIsCutToItsBuffer)
{
    std::string longPath = makeTempDir() + "/" + std::string(400, 'x');
    tp_LogFile cut;
    cut.setpath(longPath.c_str());
    cut.writelf("kept");
    EXPECT_EQ(readAll(longPath.substr(0, 255)), "kept\n");
}

TEST_F(LogFileTest, ShrinkKeepsTheTailFromALineBoundary)
{
    for (int i = 0; i < 400; ++i) {
        char line[64];
        std::snprintf(line, sizeof line, "line %04d of the log, padded to some width", i);
        log.writelf(line);
    }
    ASSERT_GT(readAll(path).size(), 5100u);
    EXPECT_EQ(log.shrink(), 1);
    std::string kept = readAll(path);
    EXPECT_LE(kept.size(), 5100u);
    EXPECT_GE(kept.size(), 4900u);
    EXPECT_EQ(kept.substr(0, 5), "line ");
    EXPECT_EQ(kept.substr(kept.size() - 43), "line 0399 of the log, padded to some width\n");
}

TEST_F(LogFileTest, ShrinkKeepsEveryByteAfterShortSkippedLines)
{
    std::string body(5050, 'z');
    log.writelf("");
    log.writelf("");
    log.writelf("");
    log.writelf("");
    log.write(body.c_str());
    log.writelf("END");
    std::string before = readAll(path);
    log.shrink();
    std::string kept = readAll(path);
    EXPECT_EQ(kept.substr(kept.size() - 4), "END\n");
    EXPECT_EQ(kept, before.substr(before.size() - kept.size()));
}

TEST_F(LogFileTest, ShrinkLeavesASmallFileAndCreatesAMissingOne)
{
    log.writelf("short");
    EXPECT_EQ(log.shrink(), 1);
    EXPECT_EQ(readAll(path), "short\n");

    std::string fresh = makeTempDir() + "/new.txt";
    tp_LogFile created(fresh.c_str());
    std::ifstream in(fresh);
    EXPECT_TRUE(in.good());
}
