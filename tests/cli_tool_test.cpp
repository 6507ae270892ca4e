// tharvel-decode run as a user runs it: arguments, standard input, files,
// exit status, and what lands on standard output and standard error.
#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "test_util.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

fs::path scratch() {
  static fs::path dir = [] {
    fs::path d = fs::temp_directory_path() / ("cli_tool_test." + std::to_string(getpid()));
    fs::create_directories(d);
    return d;
  }();
  return dir;
}

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void write_file(const fs::path& p, const std::string& text) {
  std::ofstream out(p, std::ios::binary);
  out << text;
}

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

// Starts the decoder with stdin, stdout and stderr on files; returns its pid.
pid_t start(const std::vector<std::string>& args, const std::string& input, const std::string& tag) {
  fs::path in = scratch() / (tag + ".in");
  write_file(in, input);
  std::string out = (scratch() / (tag + ".out")).string();
  std::string err = (scratch() / (tag + ".err")).string();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  std::vector<std::string> all = {THARVEL_DECODE};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  int rc = posix_spawn(&pid, THARVEL_DECODE, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  return rc == 0 ? pid : -1;
}

Outcome finish(pid_t pid, const std::string& tag) {
  Outcome r;
  int status = 0;
  if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) r.status = WEXITSTATUS(status);
  r.out = slurp(scratch() / (tag + ".out"));
  r.err = slurp(scratch() / (tag + ".err"));
  return r;
}

Outcome run(const std::vector<std::string>& args, const std::string& input = "", const std::string& tag = "run") {
  return finish(start(args, input, tag), tag);
}

size_t count_lines(const std::string& s) { return static_cast<size_t>(std::count(s.begin(), s.end(), '\n')); }

// A capture: Ethernet, IPv4, UDP to 4729 and GSMTAP (type 2: bare layer 3) around each message.
Bytes gsmtap_l3(const Bytes& l3, bool uplink, uint16_t arfcn) {
  uint16_t a = static_cast<uint16_t>(arfcn | (uplink ? 0x4000 : 0));
  Bytes p = {2, 4, 2, 0, static_cast<uint8_t>(a >> 8), static_cast<uint8_t>(a), 0, 0, 0, 0, 0, 1, 0, 0, 0, 0};
  for (uint8_t b : l3) p.push_back(b);
  return p;
}

void put(Bytes& b, uint32_t v, int octets) {
  for (int i = 0; i < octets; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

Bytes pcap_of(const std::vector<Bytes>& gsmtap_payloads) {
  Bytes b;
  put(b, 0xA1B2C3D4, 4);
  put(b, 2, 2);
  put(b, 4, 2);
  put(b, 0, 4);
  put(b, 0, 4);
  put(b, 65535, 4);
  put(b, 1, 4);
  uint32_t t = 1709633472;
  for (const Bytes& g : gsmtap_payloads) {
    Bytes f = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x08, 0x00};
    uint16_t ip_len = static_cast<uint16_t>(28 + g.size());
    Bytes hdr = {0x45, 0, static_cast<uint8_t>(ip_len >> 8), static_cast<uint8_t>(ip_len), 0, 0, 0x40, 0, 64, 17, 0, 0,
                 127, 0, 0, 1, 127, 0, 0, 1, 0x30, 0x39, 0x12, 0x79,
                 static_cast<uint8_t>((ip_len - 20) >> 8), static_cast<uint8_t>(ip_len - 20), 0, 0};
    for (uint8_t x : hdr) f.push_back(x);
    for (uint8_t x : g) f.push_back(x);
    put(b, t++, 4);
    put(b, 123456, 4);
    put(b, static_cast<uint32_t>(f.size()), 4);
    put(b, static_cast<uint32_t>(f.size()), 4);
    for (uint8_t x : f) b.push_back(x);
  }
  return b;
}

fs::path write_capture(const std::string& name, const std::vector<Bytes>& payloads) {
  fs::path p = scratch() / name;
  Bytes b = pcap_of(payloads);
  std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
  return p;
}

// The corpus `copies` times over as GSMTAP packets.
fs::path corpus_capture(const std::string& name, int copies) {
  std::vector<Bytes> payloads;
  for (int i = 0; i < copies; ++i) {
    for (const auto& m : tharvel_test::corpus()) payloads.push_back(gsmtap_l3(m.octets, m.direction != 0, 17));
  }
  return write_capture(name, payloads);
}

const std::string kCorpus = THARVEL_CORPUS;
const std::string kTwoMessages = "dl 05:18:01\nUL 05 24 71 03 3f 4e 02 08 00\n";

struct ToolCase {
  const char* label;
  std::vector<std::string> args;
  std::string input;
  int status;
  const char* out;  // regular expression searched in stdout, "" for none
  const char* err;  // regular expression searched in stderr, "" for none
  long out_lines;   // -1: not checked
};

TEST(CliTool, OptionsInputsAndExitStatuses) {
  const std::string dir = scratch().string();
  const std::string missing = (scratch() / "missing.txt").string();
  const std::string not_text = (scratch() / "not-text.txt").string();
  write_file(not_text, "hello\nworld\nagain\n");
  const std::string bad_lines = (scratch() / "bad-lines.txt").string();
  write_file(bad_lines, "DL 05 18 01\nXX 05 18\nUL 0 5 1\nDL 05 18 # fine\n");
  const std::string capture = write_capture("two.pcap", {gsmtap_l3({0x05, 0x18, 0x01}, false, 17),
                                                         gsmtap_l3({0x05, 0x08, 0x71}, true, 17)})
                                  .string();
  const std::string cut = (scratch() / "cut.pcap").string();
  std::string whole = slurp(capture);
  write_file(cut, whole.substr(0, whole.size() - 3));

  const ToolCase cases[] = {
      {"help", {"--help"}, "", 0, "Exit status:[^]*2  usage error", "", -1},
      {"short help", {"-h"}, "", 0, "--listen", "", -1},
      {"version", {"--version"}, "", 0, "^tharvel-decode [0-9]+\\.[0-9]+\\.[0-9]+\n$", "", 1},
      {"unknown option", {"--bogus"}, "", 2, "", "bogus", 0},
      {"option without its value", {"-f"}, "", 2, "", "", 0},
      {"bad filter term", {"-f", "dir=up"}, kTwoMessages, 2, "", "direction 'up'", 0},
      {"two formats", {"-s", "--json"}, kTwoMessages, 2, "", "exclude", 0},
      {"bad -E", {"-e", "name", "-E", "colour=y"}, kTwoMessages, 2, "", "-E colour=y", 0},
      {"stdin, lower case and colons", {}, kTwoMessages, 0, "<Identity_Request>", "2 messages \\(1 decoded, 1 truncated\\)", -1},
      {"dash is stdin", {"-s", "-"}, kTwoMessages, 0, "Identity request\tdecoded", "", 2},
      {"summary header", {"-sH"}, kTwoMessages, 0, "^frame\ttime\tarfcn\tdirection\tchannel\tprotocol\tname\tstatus\n1\t-",
       "", 3},
      {"bundle with value", {"-sfMM"}, kTwoMessages, 0, "^1\t", "", 2},
      {"--opt=value", {"--summary", "--filter=dir=ul"}, kTwoMessages, 0, "^2\t-\t-\tUL\t-\tMM\tCM service request", "",
       1},
      {"-- ends options", {"-s", "--", "-"}, kTwoMessages, 0, "", "", 2},
      {"exact protocol", {"-s", "-f", "GMM"}, kTwoMessages, 0, "", "0 printed", 0},
      {"name glob", {"-s", "-f", "name=CM*"}, kTwoMessages, 0, "CM service request", "", 1},
      {"status filter", {"-s", "-f", "status=not-decoded"}, "DL 05 7e\nDL 05 18\n", 0, "^1\t.*not-decoded\n$", "", 1},
      {"fields", {"-e", "frame", "-e", "name", "--fields=direction,hex", "-E", "header=y"}, kTwoMessages, 0,
       "^frame\tname\tdirection\thex\n1\tIdentity request\tDL\t051801\n", "", 3},
      {"fields separator", {"-e", "frame", "-e", "direction", "-E", "separator=,"}, kTwoMessages, 0, "^1,DL\n2,UL\n$",
       "", 2},
      {"field value filter", {"-e", "frame", "-f", "Identity_Type=IMSI"}, kTwoMessages, 0, "^1\n$", "", 1},
      {"undecoded messages still exit 0", {"-s"}, "DL 05 7e\nDL 05\n", 0, "too-short", "1 not-decoded, 1 too-short", 2},
      {"bad lines exit 1", {"-s", bad_lines}, "", 1, "", ":2: expected UL or DL[^]*:3: expected whole octets", 2},
      {"missing file", {missing}, "", 2, "", "missing.txt: No such file or directory", 0},
      {"directory", {dir}, "", 2, "", ": Is a directory", 0},
      {"not message text: one error", {not_text}, "", 2, "", "not-text.txt: neither a capture nor message text", 0},
      {"good file after a missing one", {"-s", missing, capture}, "", 2, "", "", 2},
      {"capture document header", {capture}, "", 0,
       "^<!-- frame 1, 2024-03-05T10:11:12.123456Z, ARFCN 17, L3, downlink -->\n<L3Message>", "2 packets", -1},
      {"capture bare", {"--bare", capture}, "", 0, "^<L3Message>", "", -1},
      {"capture summary", {"-s", capture}, "", 0, "^1\t2024-03-05T10:11:12.123456Z\t", "", 2},
      {"capture on standard input", {"-s"}, whole, 0, "^1\t2024-03-05T10:11:12.123456Z\t17\tDL\tL3\tMM\tIdentity request", "", 2},
      {"capture cut short", {"-s", cut}, "", 1, "", "cut.pcap: capture ends inside packet 2", 1},
      {"cell report instead of messages", {"--cells", capture}, "", 0, "^cell +arfcn", "2 messages.*0 printed", 1},
      {"bad report format", {"--sms", "--report-format=xml"}, kTwoMessages, 2, "", "xml", 0},
      {"extract", {"-x", "-s"}, "DL 05\n", 0, "service type -9999", "", -1},
  };
  int n = 0;
  for (const ToolCase& c : cases) {
    Outcome r = run(c.args, c.input, "case" + std::to_string(n++));
    EXPECT_EQ(r.status, c.status) << c.label << "\n" << r.err;
    if (*c.out) {
      EXPECT_TRUE(std::regex_search(r.out, std::regex(c.out))) << c.label << ":\n" << r.out;
    }
    if (*c.err) {
      EXPECT_TRUE(std::regex_search(r.err, std::regex(c.err))) << c.label << ":\n" << r.err;
    }
    if (c.out_lines >= 0) {
      EXPECT_EQ(count_lines(r.out), static_cast<size_t>(c.out_lines)) << c.label << ":\n" << r.out;
    }
  }
}

TEST(CliTool, ProtocolFiltersCountTheCorpusExactly) {
  std::map<std::string, size_t> by_pd;
  for (const auto& m : tharvel_test::corpus()) {
    static const std::map<uint8_t, std::string> kNames = {{3, "CC"},  {5, "MM"},  {6, "RR"},
                                                          {8, "GMM"}, {9, "SMS"}, {10, "SM"}};
    auto it = kNames.find(m.octets[0] & 0x0F);
    if (it != kNames.end()) ++by_pd[it->second];
  }
  for (const auto& [proto, expected] : by_pd) {
    Outcome r = run({"-sq", "-f", proto, kCorpus}, "", "proto");
    EXPECT_EQ(r.status, 0) << proto;
    EXPECT_EQ(count_lines(r.out), expected) << proto;
  }
}

TEST(CliTool, JsonLinesParseAndCarryMetadata) {
  Outcome r = run({"--json", "-q", kCorpus});
  ASSERT_EQ(r.status, 0) << r.err;
  std::istringstream lines(r.out);
  std::string line;
  size_t n = 0;
  while (std::getline(lines, line)) {
    nlohmann::json j = nlohmann::json::parse(line);  // throws on a bad line
    ASSERT_TRUE(j.contains("frame") && j["frame"].is_number()) << line;
    ASSERT_TRUE(j["direction"] == "UL" || j["direction"] == "DL") << line;
    ASSERT_TRUE(j["status"].is_string()) << line;
    ASSERT_TRUE(j["protocol"].is_string()) << line;
    ASSERT_TRUE(j.contains("document")) << line;
    ++n;
  }
  EXPECT_EQ(n, tharvel_test::corpus().size());

  fs::path capture = corpus_capture("json.pcap", 1);
  r = run({"--json", "-q", "-f", "dir=ul", capture.string()}, "", "json-capture");
  ASSERT_EQ(r.status, 0) << r.err;
  nlohmann::json first = nlohmann::json::parse(r.out.substr(0, r.out.find('\n')));
  EXPECT_EQ(first["direction"], "UL");
  EXPECT_TRUE(first["time"].get<std::string>().starts_with("2024-03-05T"));
  EXPECT_EQ(first["arfcn"], 17);
  EXPECT_EQ(first["channel"], "L3");
}

TEST(CliTool, ReportsInJsonParse) {
  for (const char* kind : {"--cells", "--sms", "--outcomes"}) {
    Outcome r = run({kind, "--report-format=json", "-q", kCorpus}, "", "report");
    EXPECT_EQ(r.status, 0) << kind << r.err;
    nlohmann::json j = nlohmann::json::parse(r.out);  // throws on bad JSON
    EXPECT_TRUE(j.is_object()) << kind;
  }
}

// Worker threads change nothing in the output, whatever its format or
// filter: batches come back in input order, counts add up the same.
TEST(CliTool, FourWorkersWriteWhatOneWrites) {
  // Over five batches of messages each, so batches can finish out of order.
  fs::path capture = corpus_capture("large.pcap", 12);
  std::string text;
  std::string corpus = slurp(kCorpus);
  for (int i = 0; i < 12; ++i) {
    text += corpus;
    if (i == 7) text += "UL zz\n";  // a bad line mid-way: exit status 1, the same stderr
  }
  fs::path text_file = scratch() / "large.txt";
  write_file(text_file, text);
  struct Input {
    const char* label;
    fs::path path;
    int status;
  };
  const Input inputs[] = {{"capture", capture, 0}, {"text", text_file, 1}};
  const std::vector<std::string> modes[] = {
      {},
      {"--bare"},
      {"-s", "-H"},
      {"--json"},
      {"-e", "frame", "-e", "name", "-e", "LAC", "-E", "header=y"},
      {"-f", "MM", "-f", "dir=ul"},
      {"-s", "-f", "status=not-decoded,truncated"},
      {"-f", "name=*request*", "--extract"},
      {"--json", "-f", "GMM"},
  };
  for (const Input& in : inputs) {
    for (const auto& mode : modes) {
      std::string label = std::string(in.label);
      for (const std::string& m : mode) label += " " + m;
      std::vector<std::string> one = mode;
      one.insert(one.end(), {"-j", "1", in.path.string()});
      std::vector<std::string> four = mode;
      four.insert(four.end(), {"-j4", in.path.string()});
      Outcome a = run(one, "", "j1");
      Outcome b = run(four, "", "j4");
      EXPECT_EQ(a.status, in.status) << label << a.err;
      EXPECT_EQ(b.status, in.status) << label << b.err;
      EXPECT_GT(a.out.size(), 0u) << label;
      EXPECT_TRUE(a.out == b.out) << label << ": " << a.out.size() << " octets against " << b.out.size();
      EXPECT_EQ(a.err, b.err) << label;
    }
  }
  // Unfiltered, every message of every copy is there.
  Outcome all = run({"-s", "-j4", capture.string()}, "", "j4");
  EXPECT_EQ(count_lines(all.out), 12 * tharvel_test::corpus().size());
}

uint16_t free_udp_port() {
  int s = socket(AF_INET, SOCK_DGRAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
  socklen_t len = sizeof a;
  getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
  close(s);
  return ntohs(a.sin_port);
}

bool wait_for(const fs::path& p, const std::string& text) {
  for (int i = 0; i < 200; ++i) {
    if (slurp(p).find(text) != std::string::npos) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
  }
  return false;
}

TEST(CliTool, ListensForGsmtapOverLoopbackAndCountsOnSignal) {
  for (int sig : {SIGTERM, SIGINT}) {
    uint16_t port = free_udp_port();
    std::string tag = "listen" + std::to_string(sig);
    pid_t pid = start({"-s", "--listen", "127.0.0.1:" + std::to_string(port)}, "", tag);
    ASSERT_GT(pid, 0);
    ASSERT_TRUE(wait_for(scratch() / (tag + ".err"), "listening on 127.0.0.1:" + std::to_string(port)));

    int s = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const Bytes packets[] = {
        gsmtap_l3({0x05, 0x18, 0x01}, false, 17),
        {0x02, 0x04},                              // shorter than a GSMTAP header
        gsmtap_l3({0x05, 0x08, 0x71}, true, 17),
    };
    for (const Bytes& p : packets) {
      sendto(s, p.data(), p.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
    }
    close(s);
    // Each message is written as it arrives, before the signal.
    EXPECT_TRUE(wait_for(scratch() / (tag + ".out"), "Location updating request"));
    kill(pid, sig);
    Outcome r = finish(pid, tag);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(count_lines(r.out), 2u) << r.out;
    EXPECT_NE(r.out.find("Identity request"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("3 packets, 2 messages (1 decoded, 1 truncated), 2 printed; skipped 1 malformed packets"),
              std::string::npos)
        << r.err;
  }
}

TEST(CliTool, ListenRefusesBadAddresses) {
  for (const char* addr : {"127.0.0.1:99999", "nowhere:4729", "12x"}) {
    Outcome r = run({"--listen", addr}, "", "listen-bad");
    EXPECT_EQ(r.status, 2) << addr;
    EXPECT_FALSE(r.err.empty()) << addr;
  }
}

}  // namespace
