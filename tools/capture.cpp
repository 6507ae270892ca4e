#include "capture.h"

#include <pcap/pcap.h>

#include <cstdio>
#include <memory>

namespace tharvel_tools {

namespace {

uint16_t be16(const uint8_t* p) { return static_cast<uint16_t>(p[0] << 8 | p[1]); }

// IPv4 or IPv6 packet to its UDP payload on the GSMTAP port.
bool udp_gsmtap(const uint8_t* p, size_t n, const uint8_t*& payload, size_t& len) {
  if (n < 1) return false;
  const uint8_t* udp = nullptr;
  size_t udp_len = 0;
  if ((p[0] >> 4) == 4) {
    size_t ihl = static_cast<size_t>(p[0] & 0x0F) * 4;
    if (n < 20 || ihl < 20 || n < ihl || p[9] != 17) return false;
    if ((be16(p + 6) & 0x1FFF) != 0) return false;  // a later fragment
    size_t total = be16(p + 2);
    if (total < ihl || total > n) total = n;
    udp = p + ihl;
    udp_len = total - ihl;
  } else if ((p[0] >> 4) == 6) {
    if (n < 40 || p[6] != 17) return false;
    udp = p + 40;
    udp_len = n - 40;
  } else {
    return false;
  }
  if (udp_len < 8) return false;
  if (be16(udp) != kGsmtapPort && be16(udp + 2) != kGsmtapPort) return false;
  size_t ulen = be16(udp + 4);
  if (ulen < 8 || ulen > udp_len) ulen = udp_len;
  payload = udp + 8;
  len = ulen - 8;
  return true;
}

}  // namespace

bool find_gsmtap(int linktype, const uint8_t* p, size_t n, const uint8_t*& payload, size_t& payload_len) {
  switch (linktype) {
    case DLT_EN10MB: {
      if (n < 14) return false;
      size_t off = 12;
      uint16_t type = be16(p + off);
      while ((type == 0x8100 || type == 0x88A8) && n >= off + 6) {  // VLAN tags
        off += 4;
        type = be16(p + off);
      }
      off += 2;
      if (type != 0x0800 && type != 0x86DD) return false;
      return udp_gsmtap(p + off, n - off, payload, payload_len);
    }
    case DLT_LINUX_SLL:
      if (n < 16) return false;
      return udp_gsmtap(p + 16, n - 16, payload, payload_len);
    case DLT_LINUX_SLL2:
      if (n < 20) return false;
      return udp_gsmtap(p + 20, n - 20, payload, payload_len);
    case DLT_NULL:
    case DLT_LOOP:
      if (n < 4) return false;
      return udp_gsmtap(p + 4, n - 4, payload, payload_len);
    case DLT_RAW:
    case DLT_IPV4:
    case DLT_IPV6:
      return udp_gsmtap(p, n, payload, payload_len);
    default:
      return false;
  }
}

bool looks_like_capture(const std::string& path) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return false;
  uint8_t m[4] = {};
  size_t got = std::fread(m, 1, 4, f);
  std::fclose(f);
  if (got < 4) return false;
  uint32_t magic = static_cast<uint32_t>(m[0]) << 24 | m[1] << 16 | m[2] << 8 | m[3];
  return magic == 0xA1B2C3D4 || magic == 0xD4C3B2A1 || magic == 0xA1B23C4D || magic == 0x4D3CB2A1 ||
         magic == 0x0A0D0D0A;
}

bool read_capture(const std::string& path, const std::function<void(const CaptureMessage&)>& on_message,
                  CaptureStats& stats, std::string& error) {
  char errbuf[PCAP_ERRBUF_SIZE] = "";
  std::unique_ptr<pcap_t, void (*)(pcap_t*)> pcap(pcap_open_offline(path.c_str(), errbuf), pcap_close);
  if (!pcap) {
    error = std::string("not a readable pcap or pcapng capture: ") + errbuf;
    return false;
  }
  int linktype = pcap_datalink(pcap.get());
  GsmtapDecoder decoder;
  pcap_pkthdr* hdr = nullptr;
  const u_char* data = nullptr;
  int rc;
  while ((rc = pcap_next_ex(pcap.get(), &hdr, &data)) == 1) {
    ++stats.packets;
    const uint8_t* payload = nullptr;
    size_t len = 0;
    if (!find_gsmtap(linktype, data, hdr->caplen, payload, len)) {
      ++stats.not_gsmtap;
      continue;
    }
    CaptureMessage m{stats.packets, static_cast<double>(hdr->ts.tv_sec) + hdr->ts.tv_usec / 1e6, {}};
    switch (decoder.feed(payload, len, m.message)) {
      case GsmtapDecoder::Outcome::message:
        ++stats.messages;
        on_message(m);
        break;
      case GsmtapDecoder::Outcome::pending:
        break;
      case GsmtapDecoder::Outcome::skipped_type:
        ++stats.skipped_types;
        break;
      case GsmtapDecoder::Outcome::skipped_frame:
        ++stats.skipped_frames;
        break;
      case GsmtapDecoder::Outcome::malformed:
        ++stats.malformed;
        break;
    }
  }
  stats.pending_segments = decoder.pending();
  if (rc == -1) {
    error = "capture ends inside packet " + std::to_string(stats.packets + 1) + ": " + pcap_geterr(pcap.get());
    return false;
  }
  return true;
}

}  // namespace tharvel_tools
