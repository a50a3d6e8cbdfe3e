// File: web_server_test.cpp
// vok_demo --web from outside, as a browser, curl or a hostile page on the
// same computer would reach it: which requests it answers, what every
// answer carries, and that slow or oversized requests neither starve it
// nor make it grow.
#include <gtest/gtest.h>
#include <poll.h>

#include <regex>
#include <thread>
#include <vector>

#include "ServedDemo.h"

namespace {

using std::chrono::seconds;
using vok_test::Connection;
using vok_test::Exchange;
using vok_test::HeaderOf;
using vok_test::ServedDemo;
using vok_test::StatusOf;

struct Row {
  std::string request;
  int status;
};

class WebServerTest : public ::testing::Test {
 protected:
  std::string Get(const std::string& target, const std::string& headers = "") const {
    return "GET " + target + " HTTP/1.1\r\nHost: " + demo.Host() + "\r\n" + headers + "\r\n";
  }
  // A POST /event with the page's own Host and Origin unless headers
  // name others.
  std::string Post(const std::string& body, const std::string& headers = "") const {
    std::string head = "POST /event?token=" + demo.Token() + " HTTP/1.1\r\n" + headers;
    if (headers.find("Host:") == std::string::npos) head += "Host: " + demo.Host() + "\r\n";
    if (headers.find("Origin:") == std::string::npos) head += "Origin: " + demo.Origin() + "\r\n";
    return head + "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
  }
  std::string Page() const { return "/?token=" + demo.Token(); }
  std::string Message(const std::string& rest) const {
    return R"({"stream": )" + std::to_string(stream) + ", " + rest + "}";
  }
  // Opens the page's event stream, as the page does first, and reads up to
  // its first view, so that what follows is sent as changes.
  std::unique_ptr<Connection> OpenEvents() {
    auto events = std::make_unique<Connection>(demo.Port(), seconds(2));
    events->Send(Get("/events?token=" + demo.Token()));
    const std::string hello = events->ReadUntil("event: view");
    std::smatch found;
    if (std::regex_search(hello, found, std::regex(R"(event: hello\ndata: \{"stream":(\d+)\})")))
      stream = std::stol(found[1]);
    return events;
  }
  void ExpectStatuses(const std::vector<Row>& rows) const {
    for (const Row& row : rows)
      EXPECT_EQ(row.status, StatusOf(Exchange(demo.Port(), row.request))) << row.request;
  }

  ServedDemo demo;
  long stream = -1;
};

TEST_F(WebServerTest, AnswersToItsOwnHostNamesOnlyBeforeLookingAtAnythingElse) {
  const std::string port = std::to_string(demo.Port());
  const std::string target = Page();
  ExpectStatuses({
      {"GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1:" + port + "\r\n\r\n", 200},
      {"GET " + target + " HTTP/1.1\r\nHost: localhost:" + port + "\r\n\r\n", 200},
      {"GET " + target + " HTTP/1.1\r\nHost: evil.example:" + port + "\r\n\r\n", 421},
      {"GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(demo.Port() + 1) +
           "\r\n\r\n",
       421},
      {"GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n", 421},
      {"GET " + target + " HTTP/1.0\r\n\r\n", 421},
      {"GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1:" + port + "\r\nHost: evil.example\r\n\r\n",
       421},
      // Neither the token nor the body is looked at first.
      {"GET / HTTP/1.1\r\nHost: evil.example:" + port + "\r\n\r\n", 421},
      {Post(Message(R"("kind": "quit")"), "Host: evil.example:" + port + "\r\n"), 421},
  });
}

TEST_F(WebServerTest, TakesTheTokenOnceAndOnlyOnce) {
  const std::string token = demo.Token();
  ExpectStatuses({
      {Get("/?token=" + token), 200},
      {Get("/?token=" + token + "&token=bad"), 403},
      {Get("/?token=bad&token=" + token), 403},
      {Get("/?token=" + token + "&%74oken=bad"), 403},
      {Get("/?token=" + token + "&token=" + token), 403},
      {Get("/?token="), 403},
      {Get("/"), 403},
      {Get("/events"), 403},
      {Get("/page.js"), 403},
  });
}

TEST_F(WebServerTest, TakesEventsFromThePagesOwnOriginOnlyAndForeignOnesChangeNothing) {
  const auto events = OpenEvents();
  ASSERT_GE(stream, 0);
  const std::string quit = Message(R"("kind": "quit")");
  const std::string localhost = "localhost:" + std::to_string(demo.Port());
  ExpectStatuses({
      {Post(quit, "Origin: http://evil.example\r\n"), 403},
      {Post(quit, "Origin: null\r\n"), 403},
      {Post(quit, "Origin: http://" + localhost + "\r\n"), 403},
      {Post(quit, "Origin: https://" + demo.Host() + "\r\n"), 403},
      {"POST /event?token=" + demo.Token() + " HTTP/1.1\r\nHost: " + demo.Host() +
           "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(quit.size()) +
           "\r\n\r\n" + quit,
       403},
      {Post(Message(R"("kind": "key", "key": "Tab")"),
            "Host: " + localhost + "\r\nOrigin: http://" + localhost + "\r\n"),
       200},
  });
  EXPECT_TRUE(demo.Running());
  EXPECT_EQ(200, StatusOf(Exchange(demo.Port(), Post(quit))));
  const std::string rest = events->ReadToEnd();
  EXPECT_NE(std::string::npos, rest.find("event: end\ndata: {\"reason\":\"ended\"}")) << rest;
  EXPECT_EQ(0, demo.Interrupt());
}

TEST_F(WebServerTest, EveryAnswerCarriesTheSafetyHeaders) {
  const std::vector<std::string> requests{
      Get(Page()),
      Get("/page.js?token=" + demo.Token()),
      Get("/"),
      Get("/nothing?token=" + demo.Token()),
      "GET / HTTP/1.0\r\n\r\n",
      "NONSENSE\r\n\r\n",
      Post(std::string(5000, 'x')),
  };
  for (const std::string& request : requests) {
    const std::string answer = Exchange(demo.Port(), request);
    ASSERT_NE(0, StatusOf(answer)) << request;
    EXPECT_EQ("no-referrer", HeaderOf(answer, "Referrer-Policy")) << request;
    EXPECT_EQ("default-src 'self'; frame-ancestors 'none'",
              HeaderOf(answer, "Content-Security-Policy"))
        << request;
    EXPECT_EQ("nosniff", HeaderOf(answer, "X-Content-Type-Options")) << request;
    EXPECT_EQ("no-store", HeaderOf(answer, "Cache-Control")) << request;
  }
}

TEST_F(WebServerTest, RefusesBodiesFromTheHeadWithoutReadingThem) {
  // The announced gigabyte never comes: the answer must not wait for it.
  ExpectStatuses({
      {Get(Page(), "Content-Length: 5\r\n") + "hello", 400},
      {Get(Page(), "Transfer-Encoding: chunked\r\n") + "5\r\nhello\r\n0\r\n\r\n", 400},
      {Get("/events?token=" + demo.Token(), "Content-Length: 1\r\n") + "x", 400},
      {"POST /event?token=" + demo.Token() + " HTTP/1.1\r\nHost: " + demo.Host() +
           "\r\nOrigin: " + demo.Origin() + "\r\nContent-Length: 1000000000\r\n\r\n",
       413},
      {"POST /event?token=" + demo.Token() + " HTTP/1.1\r\nHost: " + demo.Host() +
           "\r\nOrigin: " + demo.Origin() + "\r\nContent-Length: 12abc\r\n\r\n",
       400},
      {"PUT /event?token=" + demo.Token() + " HTTP/1.1\r\nHost: " + demo.Host() +
           "\r\nContent-Length: 1000000000\r\n\r\n",
       404},
  });
}

TEST_F(WebServerTest, CutsAChunkedBodyOffWhileReadingItAndStaysSmall) {
  const long before = demo.PeakKilobytes();
  Connection upload(demo.Port(), seconds(2));
  upload.Send("POST /event?token=" + demo.Token() + " HTTP/1.1\r\nHost: " + demo.Host() +
              "\r\nOrigin: " + demo.Origin() + "\r\nTransfer-Encoding: chunked\r\n\r\n");
  const std::string chunk = "10000\r\n" + std::string(0x10000, 'x') + "\r\n";
  // 50 MiB, or until the program stops taking it.
  for (int sent = 0; sent < 800; ++sent) {
    pollfd answered{upload.Socket(), POLLIN, 0};
    if (poll(&answered, 1, 0) > 0 || !upload.Send(chunk)) break;
  }
  EXPECT_EQ(413, StatusOf(upload.ReadToEnd()));
  EXPECT_LT(demo.PeakKilobytes() - before, 4096);
  EXPECT_EQ(200, StatusOf(Exchange(demo.Port(), Get(Page()))));
}

TEST_F(WebServerTest, SlowClientsHoldNoWorkerAndAreClosedAfterTwoSeconds) {
  std::vector<std::unique_ptr<Connection>> slow;
  for (int i = 0; i < 16; ++i) {
    slow.push_back(std::make_unique<Connection>(demo.Port(), seconds(4)));
    slow.back()->Send("GET " + Page() + " HTTP/1.1\r\nHost: " + demo.Host() + "\r\n");
  }
  // Each of these waits 2 s at most.
  EXPECT_EQ(200, StatusOf(Exchange(demo.Port(), Get(Page()))));
  const auto events = OpenEvents();
  EXPECT_GE(stream, 0);
  EXPECT_EQ(200, StatusOf(Exchange(demo.Port(), Post(Message(R"("kind": "key", "key": "Tab")")))));
  // The Tab moves the focus: the stream sends what changed.
  EXPECT_NE(std::string::npos, events->ReadUntil("event: patch").find("event: patch"));
  for (const auto& connection : slow) EXPECT_TRUE(connection->ClosedByPeer());
}

TEST_F(WebServerTest, AHeadSentByteByByteIsClosedAtItsDeadline) {
  Connection trickle(demo.Port(), seconds(1));
  const auto start = std::chrono::steady_clock::now();
  trickle.Send("GET " + Page() + " HTTP/1.1\r\n");
  bool closed = false;
  while (!closed && std::chrono::steady_clock::now() - start < seconds(4)) {
    pollfd polled{trickle.Socket(), POLLIN, 0};
    closed = poll(&polled, 1, 100) > 0 || !trickle.Send("X");
  }
  EXPECT_TRUE(closed);
  EXPECT_LT(std::chrono::steady_clock::now() - start, seconds(3));
}

TEST_F(WebServerTest, AHeadPastSixteenKilobytesIsClosedUnanswered) {
  Connection large(demo.Port(), seconds(2));
  large.Send("GET " + Page() + " HTTP/1.1\r\nHost: " + demo.Host() + "\r\n");
  for (int i = 0; i < 400 && large.Send("X-Padding: " + std::string(40, 'p') + "\r\n"); ++i) {
  }
  EXPECT_EQ("", large.ReadToEnd());
  EXPECT_EQ(200, StatusOf(Exchange(demo.Port(), Get(Page()))));
}

TEST_F(WebServerTest, KeepsRefusingWhatItRefusedAndServingThePage) {
  const auto events = OpenEvents();
  const std::string token = "?token=" + demo.Token();
  ExpectStatuses({
      {Get("/../etc/passwd" + token), 404},
      {Get("/%2e%2e/etc/passwd" + token), 404},
      {Get("/..%2fetc%2fpasswd" + token), 404},
      {Get("/page.js/../../../etc/passwd" + token), 404},
      {Get("//etc/passwd" + token), 404},
      {Get("/%2E%2E%5Cetc%5Cpasswd" + token), 404},
      {Get("/page.css" + token), 200},
      {Post(R"({"stream": 1, "kind": "click", "x": -4)"), 400},
      {Post(Message(R"("kind": "click", "x": 4000, "y": 2)")), 400},
      {Post(Message(R"("kind": "key", "key": "Nope")")), 400},
      {Post(std::string(5000, 'x')), 413},
      {Post(Message(R"("kind": "char", "text": "7")")), 200},
      {Post(Message(R"("kind": "click", "x": 1, "y": 1)")), 200},
  });
  EXPECT_TRUE(demo.Running());
}

TEST_F(WebServerTest, EndsTheEventStreamCleanlyWhenTheProgramStops) {
  const auto events = OpenEvents();
  ASSERT_GE(stream, 0);
  EXPECT_EQ(0, demo.Interrupt());
  const std::string rest = events->ReadToEnd();
  const std::string end = "event: end\ndata: {\"reason\":\"ended\"}\n\n\r\n0\r\n\r\n";
  ASSERT_GE(rest.size(), end.size());
  EXPECT_EQ(end, rest.substr(rest.size() - end.size()));
}

}  // namespace
