// The end of a request head as the connection gate finds it: the first
// blank line, with CRLF or bare LF line ends, and nothing before that.
#include <gtest/gtest.h>

#include <string>

#include "web_front_end/ConnectionGate.h"

namespace {

TEST(RequestHeadTest, EndsAtTheFirstBlankLine) {
  struct Row {
    std::string received;
    std::size_t length;
  };
  const Row rows[] = {
      {"GET / HTTP/1.1\r\nHost: a\r\n\r\n", 27},
      {"GET / HTTP/1.1\r\nHost: a\r\n\r\n{\"body\": 1}\r\n\r\n", 27},
      {"GET / HTTP/1.1\nHost: a\n\nrest", 24},
      {"GET / HTTP/1.1\r\nHost: a\n\r\n", 26},
      {"\r\n\r\n", 4},
      {"\n\n", 2},
      // Not yet ended.
      {"", 0},
      {"GET / HTTP/1.1\r\nHost: a\r\n", 0},
      {"GET / HTTP/1.1\r\nHost: a\r\n\r", 0},
      {"GET / HTTP/1.1\r\r\r\n", 0},
      {"\r\n\r", 0},
  };
  for (const Row& row : rows)
    EXPECT_EQ(row.length, vok::web::RequestHeadLength(row.received)) << row.received;
}

}  // namespace
