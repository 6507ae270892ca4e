// The failure dump in a shared temporary directory: planted links, FIFOs,
// foreign files, a full disk, the size cap, and memory shortage.
#include <fcntl.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "api/failure_dump.h"
#include "test_util.h"
#include "tharvel.h"

// The replaced operators below pair malloc with free by design.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

// A global allocator that fails on request, on this thread only, and counts
// what it was asked for.
namespace {
thread_local bool g_fail_allocations = false;
thread_local long g_allocations = 0;

void* counted_alloc(size_t n) {
  ++g_allocations;
  if (g_fail_allocations) return nullptr;
  return std::malloc(n == 0 ? 1 : n);
}
}  // namespace

void* operator new(size_t n) {
  if (void* p = counted_alloc(n)) return p;
  throw std::bad_alloc();
}
void* operator new[](size_t n) {
  if (void* p = counted_alloc(n)) return p;
  throw std::bad_alloc();
}
void* operator new(size_t n, const std::nothrow_t&) noexcept { return counted_alloc(n); }
void* operator new[](size_t n, const std::nothrow_t&) noexcept { return counted_alloc(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete[](void* p, size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

constexpr uint8_t kMsg[] = {0x05, 0x08, 0xAB};
constexpr char kRecord[] = "MessageContext:05 08 ab \n\n";

// Each test points the dump at a directory of its own.
class DumpPlace : public testing::Test {
 protected:
  void SetUp() override {
    const testing::TestInfo* t = testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() / (std::string("safety_") + t->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    file_ = dir_ / "tharvelDebug.txt";
    const char* old = std::getenv("THARVEL_FAILURE_DUMP");
    had_old_ = old != nullptr;
    if (had_old_) old_ = old;
    setenv("THARVEL_FAILURE_DUMP", dir_.c_str(), 1);
  }
  void TearDown() override {
    if (had_old_) {
      setenv("THARVEL_FAILURE_DUMP", old_.c_str(), 1);
    } else {
      unsetenv("THARVEL_FAILURE_DUMP");
    }
    fs::remove_all(dir_);
  }
  fs::path dir_, file_;
  bool had_old_ = false;
  std::string old_;
};

TEST_F(DumpPlace, NewFileIsPrivateAndHoldsTheRecord) {
  const mode_t old_mask = umask(0);
  EXPECT_EQ(l3::write_failure_dump(kMsg, 3), 1);
  umask(old_mask);
  struct stat st;
  ASSERT_EQ(stat(file_.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_EQ(slurp(file_), kRecord);
}

TEST_F(DumpPlace, OwnFileOpenToOthersIsClosedToThem) {
  { std::ofstream(file_) << "earlier\n"; }
  chmod(file_.c_str(), 0666);
  EXPECT_EQ(l3::write_failure_dump(kMsg, 3), 1);
  struct stat st;
  ASSERT_EQ(stat(file_.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_EQ(slurp(file_), std::string("earlier\n") + kRecord);
}

// Places another user could have prepared: none is written to.
TEST_F(DumpPlace, PlantedLinksAndSpecialFilesAreRefused) {
  const fs::path target = dir_ / "target";
  struct Case {
    const char* what;
    void (*plant)(const fs::path& file, const fs::path& target);
  };
  const Case cases[] = {
      {"symbolic link", [](const fs::path& f, const fs::path& t) { fs::create_symlink(t, f); }},
      {"dangling link", [](const fs::path& f, const fs::path&) { fs::create_symlink("/nonexistent/x", f); }},
      {"hard link", [](const fs::path& f, const fs::path& t) { fs::create_hard_link(t, f); }},
      {"directory", [](const fs::path& f, const fs::path&) { fs::create_directory(f); }},
  };
  for (const Case& c : cases) {
    fs::remove_all(file_);
    fs::remove(target);
    { std::ofstream(target) << "keep"; }
    chmod(target.c_str(), 0600);
    c.plant(file_, target);
    EXPECT_EQ(l3::write_failure_dump(kMsg, 3), 0) << c.what;
    EXPECT_EQ(slurp(target), "keep") << c.what;
    EXPECT_FALSE(fs::exists("/nonexistent/x"));
  }
}

// A FIFO neither blocks the decode (no reader) nor receives the record (a
// reader waiting).
TEST_F(DumpPlace, FifoNeverBlocksNorReceives) {
  ASSERT_EQ(mkfifo(file_.c_str(), 0600), 0);
  std::future<int> alone = std::async(std::launch::async, [] { return l3::write_failure_dump(kMsg, 3); });
  if (alone.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
    // Let the blocked writer go before failing.
    const int unblock = open(file_.c_str(), O_RDONLY | O_NONBLOCK);
    alone.wait();
    close(unblock);
    FAIL() << "the dump blocked on a FIFO";
  }
  EXPECT_EQ(alone.get(), 0);
  const int reader = open(file_.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  EXPECT_EQ(l3::write_failure_dump(kMsg, 3), 0);
  char c;
  EXPECT_LE(read(reader, &c, 1), 0);
  // A whole decode on the failure path (its record refused) past the FIFO.
  char buf[256] = "";
  const uint8_t msg[] = {0x05, 0x18, 0x01};
  g_fail_allocations = true;
  const int result = tharvel(0, 3, msg, buf);
  g_fail_allocations = false;
  EXPECT_EQ(result, 1);
  EXPECT_LE(read(reader, &c, 1), 0);
  close(reader);
}

TEST_F(DumpPlace, ForeignFileIsRefused) {
  if (geteuid() != 0) GTEST_SKIP() << "making a file of another user needs root";
  { std::ofstream(file_) << "theirs"; }
  ASSERT_EQ(chown(file_.c_str(), 65534, 65534), 0);
  chmod(file_.c_str(), 0666);
  EXPECT_EQ(l3::write_failure_dump(kMsg, 3), 0);
  EXPECT_EQ(slurp(file_), "theirs");
  struct stat st;
  ASSERT_EQ(stat(file_.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0666u);  // not touched either
}

TEST_F(DumpPlace, TurnedOffOrUnreachableChangesNothingElse) {
  const std::string on = tharvel_test::decode_hex(0, "05 08").text;
  for (const char* value : {"off", "0", "/nonexistent/dir"}) {
    setenv("THARVEL_FAILURE_DUMP", value, 1);
    EXPECT_EQ(l3::write_failure_dump(kMsg, 3), 0) << value;
    const tharvel_test::Decoded d = tharvel_test::decode_hex(0, "05 08");
    EXPECT_EQ(d.result, 1) << value;
    EXPECT_EQ(d.text, on) << value;
  }
  EXPECT_FALSE(fs::exists(file_));
}

// Past the cap whole records are dropped; the file ends at a record's end.
TEST_F(DumpPlace, SizeCapDropsWholeRecords) {
  const uint64_t record = l3::failure_dump_record_size(3);
  {
    const int fd = open(file_.c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(ftruncate(fd, static_cast<off_t>(l3::kFailureDumpLimit - record + 1)), 0);  // sparse
    close(fd);
  }
  EXPECT_EQ(l3::write_failure_dump(kMsg, 3), 0);  // one byte short of room
  EXPECT_EQ(fs::file_size(file_), l3::kFailureDumpLimit - record + 1);
  truncate(file_.c_str(), static_cast<off_t>(l3::kFailureDumpLimit - record));
  EXPECT_EQ(l3::write_failure_dump(kMsg, 3), 1);  // exactly fills it
  EXPECT_EQ(fs::file_size(file_), l3::kFailureDumpLimit);
  EXPECT_EQ(l3::write_failure_dump(kMsg, 2), 0);
  EXPECT_EQ(fs::file_size(file_), l3::kFailureDumpLimit);
  std::ifstream in(file_, std::ios::binary);
  in.seekg(static_cast<std::streamoff>(l3::kFailureDumpLimit - record));
  std::string tail(record, '\0');
  in.read(tail.data(), static_cast<std::streamsize>(record));
  EXPECT_EQ(tail, kRecord);

  // A record larger than the cap on its own: an empty file stays empty.
  fs::remove(file_);
  std::vector<uint8_t> big(l3::kFailureDumpLimit / 3, 0x5A);
  EXPECT_EQ(l3::write_failure_dump(big.data(), static_cast<int32_t>(big.size())), 0);
  EXPECT_FALSE(fs::exists(file_) && fs::file_size(file_) != 0);
}

// A record spanning many write chunks comes out whole and in order.
TEST_F(DumpPlace, LongRecordIsWholeAndExact) {
  std::vector<uint8_t> msg(70000);
  for (size_t i = 0; i < msg.size(); ++i) msg[i] = static_cast<uint8_t>(i * 7);
  EXPECT_EQ(l3::write_failure_dump(msg.data(), static_cast<int32_t>(msg.size())), 1);
  std::string expected = "MessageContext:";
  char hex[4];
  for (uint8_t v : msg) {
    std::snprintf(hex, sizeof hex, "%.2x ", v);
    expected += hex;
  }
  expected += "\n\n";
  EXPECT_EQ(slurp(file_), expected);
}

// A full disk leaves no cut record: the file is as it was before the record.
void expect_no_cut_record(const fs::path& file, size_t room_for_octets) {
  std::vector<uint8_t> msg(room_for_octets * 4, 0x11);
  const std::string before = slurp(file);
  EXPECT_EQ(l3::write_failure_dump(msg.data(), static_cast<int32_t>(msg.size())), 0);
  EXPECT_EQ(slurp(file), before);
  EXPECT_EQ(l3::write_failure_dump(kMsg, 3), 1);  // a record that fits still goes in
  EXPECT_EQ(slurp(file), before + kRecord);
}

TEST_F(DumpPlace, FullTmpfsLeavesNoCutRecord) {
  if (geteuid() != 0 || mount("tmpfs", dir_.c_str(), "tmpfs", 0, "size=64k,mode=0700") != 0) {
    GTEST_SKIP() << "cannot mount a small tmpfs here";
  }
  struct Unmount {
    const fs::path& dir;
    ~Unmount() { umount(dir.c_str()); }
  } unmount{dir_};
  ASSERT_EQ(l3::write_failure_dump(kMsg, 3), 1);
  expect_no_cut_record(file_, 64 * 1024 / 3);
}

// The same with a file size limit standing in for the full disk.
TEST_F(DumpPlace, FileSizeLimitLeavesNoCutRecord) {
  ASSERT_EQ(l3::write_failure_dump(kMsg, 3), 1);
  struct rlimit old_limit;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
  struct sigaction ignore = {}, old_action;
  ignore.sa_handler = SIG_IGN;
  sigaction(SIGXFSZ, &ignore, &old_action);
  struct rlimit small = old_limit;
  small.rlim_cur = 10000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  expect_no_cut_record(file_, 10000 / 3);
  setrlimit(RLIMIT_FSIZE, &old_limit);
  sigaction(SIGXFSZ, &old_action, nullptr);
}

// With every allocation failing, a decode takes the failure path, returns 1
// with its document open, and the dump still writes without allocating.
TEST_F(DumpPlace, MemoryShortageNeverAborts) {
  const std::string whole = tharvel_test::decode_hex(0, "05 18 01").text;
  ASSERT_TRUE(tharvel_test::closed(whole));
  char buf[4096] = "";
  const uint8_t msg[] = {0x05, 0x18, 0x01};
  g_allocations = 0;
  g_fail_allocations = true;
  const int result = tharvel(0, 3, msg, buf);
  const long during_decode = g_allocations;
  g_allocations = 0;
  const int dumped = l3::write_failure_dump(kMsg, 3);
  const long during_dump = g_allocations;
  g_fail_allocations = false;
  EXPECT_EQ(result, 1);
  EXPECT_EQ(during_decode, 0);  // the record lives in the call's own storage
  EXPECT_EQ(during_dump, 0);
  EXPECT_EQ(dumped, 1);
  EXPECT_EQ(std::string(buf), whole);
  EXPECT_EQ(slurp(file_), std::string(kRecord));  // only the dump asked for
}

// Threads failing at once: every record whole, none lost below the cap.
TEST_F(DumpPlace, ConcurrentRecordsStayWhole) {
  std::vector<std::future<void>> threads;
  for (int t = 0; t < 4; ++t) {
    threads.push_back(std::async(std::launch::async, [t] {
      std::vector<uint8_t> msg(3000 + 1000 * t, static_cast<uint8_t>(0x10 * (t + 1)));
      for (int i = 0; i < 20; ++i) l3::write_failure_dump(msg.data(), static_cast<int32_t>(msg.size()));
    }));
  }
  for (auto& f : threads) f.get();
  std::istringstream in(slurp(file_));
  std::string line;
  int records = 0;
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    ASSERT_EQ(line.rfind("MessageContext:", 0), 0u);
    const size_t octets = (line.size() - 15) / 3;
    const std::string unit = line.substr(15, 3);
    ASSERT_TRUE(octets >= 3000 && octets <= 6000 && (octets - 3000) % 1000 == 0) << octets;
    for (size_t i = 0; i < octets; ++i) ASSERT_EQ(line.compare(15 + 3 * i, 3, unit), 0);
    ++records;
  }
  EXPECT_EQ(records, 80);
}

}  // namespace
