#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <string>
#include <vector>

#include "FileTestSupport.h"
#include "framework/Exceptions.h"
#include "framework/TextInputStream.h"
#include "framework/TextOutputStream.h"
#include "support/TestSupport.h"

namespace {

std::string Filler(std::size_t size) {
  std::string text;
  text.reserve(size);
  for (std::size_t i = 0; i < size; ++i) text += static_cast<char>('a' + i % 26);
  return text;
}

std::vector<std::string> ReadLines(const std::string& path) {
  TextInputStream in = TextInputStream::Open(path);
  std::vector<std::string> lines;
  while (!in.AtEndOfFile()) lines.push_back(in.ReadLine());
  return lines;
}

// ---- TextOutputStream ----

TEST(TextOutputStream, WritesTextsAsTheyAreAndEndsLinesWithLf) {
  TempFolder temp;
  const std::string path = temp / "out.txt";
  TextOutputStream out = TextOutputStream::Create(path);
  ASSERT_FALSE(out.IsNil());
  out.Write("one\rtwo");
  out.WriteLine(" three");
  out.WriteLine("");
  out.Write(std::string("\0\xFF\r\n", 4));
  out.Close();
  EXPECT_EQ(ReadFileBytes(path), std::string("one\rtwo three\n\n\0\xFF\r\n", 19));
}

TEST(TextOutputStream, WritesMoreThanItsBuffer) {
  TempFolder temp;
  const std::string path = temp / "big.txt";
  const std::string text = Filler(3 * TextOutputStream::kBufferSize + 17);
  TextOutputStream out = TextOutputStream::Create(path);
  for (std::size_t at = 0; at < text.size(); at += 1000) out.Write(std::string_view(text).substr(at, 1000));
  out.Close();
  EXPECT_EQ(ReadFileBytes(path), text);
}

TEST(TextOutputStream, CreateTruncatesAnExistingFile) {
  TempFolder temp;
  const std::string path = temp / "old.txt";
  WriteFileBytes(path, "a much longer old text");
  TextOutputStream out = TextOutputStream::Create(path);
  out.Write("new");
  out.Close();
  EXPECT_EQ(ReadFileBytes(path), "new");
}

TEST(TextOutputStream, CreateGivesNilWhenTheFileCannotBeCreated) {
  TempFolder temp;
  WriteFileBytes(temp / "file", "x");
  const std::vector<std::string> paths = {temp / "file" / "under-a-file.txt", temp / "missing" / "file.txt",
                                          temp.path()};
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    EXPECT_TRUE(TextOutputStream::Create(path).IsNil());
  }
}

// A pipe in the file's place is refused at once, with or without a reader: writing the text into
// it would send it elsewhere, or wait for ever.
TEST(TextOutputStream, CreateRefusesAPipe) {
  TempFolder temp;
  const std::string path = temp / "pipe";
  ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
  errno = 0;
  EXPECT_TRUE(TextOutputStream::Create(path).IsNil());
  EXPECT_EQ(errno, ENXIO);

  const int reader = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  errno = 0;
  EXPECT_TRUE(TextOutputStream::Create(path).IsNil());
  EXPECT_EQ(errno, EINVAL);
  ::close(reader);
}

TEST(TextOutputStream, CloseTwiceIsHarmlessButWritingAfterCloseRaises) {
  TempFolder temp;
  TextOutputStream out = TextOutputStream::Create(temp / "f.txt");
  out.Write("kept");
  out.Close();
  EXPECT_NO_THROW(out.Close());
  EXPECT_THROW(out.Write("lost"), IOException);
  EXPECT_THROW(out.WriteLine("lost"), IOException);
  EXPECT_EQ(ReadFileBytes(temp / "f.txt"), "kept");
}

TEST(TextOutputStream, DroppingAnOpenStreamWritesItsText) {
  TempFolder temp;
  {
    TextOutputStream out = TextOutputStream::Create(temp / "f.txt");
    out.WriteLine("unclosed");
  }
  EXPECT_EQ(ReadFileBytes(temp / "f.txt"), "unclosed\n");
}

TEST(TextOutputStream, FullDeviceRaisesOnCloseAndNotInTheDestructor) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
  TextOutputStream out = TextOutputStream::Create("/dev/full");
  ASSERT_FALSE(out.IsNil());
  out.WriteLine("buffered, so the failure shows when it is written out");
  EXPECT_THROW(out.Close(), IOException);

  EXPECT_NO_THROW({
    TextOutputStream dropped = TextOutputStream::Create("/dev/full");
    dropped.WriteLine("never written");
  });
}

TEST(TextOutputStream, FileSizeLimitAtCloseRaises) {
  TempFolder temp;
  const std::string path = temp / "limited.txt";
  TextOutputStream out = TextOutputStream::Create(path);
  bool raised = false;
  {
    ScopedFileSizeLimit limit(1000);
    out.Write(Filler(3000));  // stays in the buffer
    try {
      out.Close();
    } catch (const IOException&) {
      raised = true;
    }
  }
  EXPECT_TRUE(raised);
  EXPECT_EQ(ReadFileBytes(path).size(), 1000u);
}

TEST(TextOutputStream, WriteFailingPartWayRaisesAndCloseReportsItAgain) {
  TempFolder temp;
  TextOutputStream out = TextOutputStream::Create(temp / "limited.txt");
  bool writeRaised = false;
  bool closeRaised = false;
  {
    ScopedFileSizeLimit limit(1000);
    try {
      out.Write(Filler(2 * TextOutputStream::kBufferSize));
    } catch (const IOException&) {
      writeRaised = true;
    }
    try {
      out.Close();
    } catch (const IOException&) {
      closeRaised = true;
    }
  }
  EXPECT_TRUE(writeRaised);
  EXPECT_TRUE(closeRaised);
}

TEST(TextOutputStream, NilStreamRaisesOnEveryCall) {
  TextOutputStream nil;
  EXPECT_TRUE(nil.IsNil());
  EXPECT_THROW(nil.Write("x"), NilObjectException);
  EXPECT_THROW(nil.WriteLine("x"), NilObjectException);
  EXPECT_THROW(nil.Close(), NilObjectException);
}

// ---- TextInputStream ----

TEST(TextInputStream, ReadAllGivesTheBytesUnchanged) {
  TempFolder temp;
  const std::string bytes("a\rb\r\nc\0\xFF\n", 10);
  WriteFileBytes(temp / "f", bytes);
  TextInputStream in = TextInputStream::Open(temp / "f");
  EXPECT_EQ(in.ReadAll(), bytes);
  EXPECT_TRUE(in.AtEndOfFile());
  EXPECT_EQ(in.ReadAll(), "");
}

TEST(TextInputStream, ReadLineSplitsAtLfCrAndCrLf) {
  struct Case {
    std::string content;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {"a\nb\r\nc\rd", {"a", "b", "c", "d"}},
      {"a\n", {"a"}},
      {"a\n\nb", {"a", "", "b"}},
      {"\r\r\n\n", {"", "", ""}},
      {"\n\r", {"", ""}},
      {"no line end", {"no line end"}},
      {"", {}},
  };
  TempFolder temp;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.content));
    WriteFileBytes(temp / "f", c.content);
    EXPECT_EQ(ReadLines(temp / "f"), c.lines);
  }
}

TEST(TextInputStream, LinesAcrossTheBufferBoundary) {
  const std::size_t piece = TextInputStream::kBufferSize;
  const std::string before = Filler(piece - 1);  // the line end starts at the last byte of a piece
  const std::string longLine = Filler(piece * 2 + 5);
  TempFolder temp;
  for (const std::string ending : {"\r\n", "\n", "\r"}) {
    SCOPED_TRACE(testing::PrintToString(ending));
    WriteFileBytes(temp / "f", before + ending + longLine + ending + "last");
    EXPECT_EQ(ReadLines(temp / "f"), (std::vector<std::string>{before, longLine, "last"}));
  }
}

TEST(TextInputStream, ReadAllAfterReadLineGivesTheRest) {
  TempFolder temp;
  WriteFileBytes(temp / "f", "first\r\nsecond\nthird");
  TextInputStream in = TextInputStream::Open(temp / "f");
  EXPECT_EQ(in.ReadLine(), "first");
  EXPECT_EQ(in.ReadAll(), "second\nthird");
  EXPECT_EQ(in.ReadLine(), "");
}

// Only a plain file is read; opening anything else never waits (a pipe without a writer) and
// never reads without end (a device).
TEST(TextInputStream, OpenGivesNilForWhatIsNotAPlainFile) {
  TempFolder temp;
  ASSERT_EQ(mkfifo((temp / "pipe").c_str(), 0600), 0);
  struct Case {
    std::string path;
    int error;
  };
  std::vector<Case> cases = {{temp / "missing", ENOENT}, {temp.path(), EISDIR}, {temp / "pipe", EINVAL}};
  if (std::filesystem::exists("/dev/zero")) cases.push_back({"/dev/zero", EINVAL});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    errno = 0;
    EXPECT_TRUE(TextInputStream::Open(c.path).IsNil());
    EXPECT_EQ(errno, c.error);
  }
}

TEST(TextInputStream, ReadGivesAtMostTheCountAsked) {
  TempFolder temp;
  const std::string text = Filler(TextInputStream::kBufferSize + 100);
  WriteFileBytes(temp / "f", text);
  TextInputStream in = TextInputStream::Open(temp / "f");
  EXPECT_EQ(in.Read(10), text.substr(0, 10));
  EXPECT_EQ(in.Read(TextInputStream::kBufferSize), text.substr(10, TextInputStream::kBufferSize));
  EXPECT_EQ(in.Read(1000), text.substr(10 + TextInputStream::kBufferSize));
  EXPECT_EQ(in.Read(1000), "");
}

TEST(TextInputStream, CloseEndsReading) {
  TempFolder temp;
  WriteFileBytes(temp / "f", "text");
  TextInputStream in = TextInputStream::Open(temp / "f");
  in.Close();
  EXPECT_NO_THROW(in.Close());
  EXPECT_TRUE(in.AtEndOfFile());
  EXPECT_THROW(in.ReadLine(), IOException);
  EXPECT_THROW(in.ReadAll(), IOException);
}

TEST(TextInputStream, NilStreamRaisesOnEveryCall) {
  TextInputStream nil;
  EXPECT_TRUE(nil.IsNil());
  EXPECT_THROW(nil.ReadAll(), NilObjectException);
  EXPECT_THROW(nil.ReadLine(), NilObjectException);
  EXPECT_THROW(nil.AtEndOfFile(), NilObjectException);
  EXPECT_THROW(nil.Close(), NilObjectException);
}

}  // namespace
