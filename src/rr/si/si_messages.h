// Records of the system information messages. `fields` counts the fixed
// elements the message really held, in message order: a short message keeps
// what it carried and renders only that.
#pragma once

#include <cstdint>
#include <type_traits>

#include "core/record.h"
#include "mm/identity.h"
#include "rr/elements/channel_elements.h"
#include "rr/elements/frequency_list.h"
#include "rr/rest_octets/gprs_rest_octets.h"
#include "rr/rest_octets/si19_rest_octets.h"
#include "rr/rest_octets/si2quater_rest_octets.h"
#include "rr/rest_octets/si_rest_octets.h"
#include "rr/si/si_elements.h"

namespace l3 {

struct Si1 : MessageRecord {
  uint8_t fields;  // cell channel description, RACH control
  FrequencyList cell_channels;
  RachControl rach;
  uint8_t rest_present;
  Si1RestOctets rest;
};

struct Si2 : MessageRecord {
  uint8_t fields;  // neighbour cells, NCC permitted, RACH control
  NeighbourCellDescription neighbours;
  uint8_t ncc_permitted;
  RachControl rach;
};

struct Si2bis : MessageRecord {
  uint8_t fields;  // neighbour cells, RACH control
  NeighbourCellDescription neighbours;
  RachControl rach;
};

struct Si2ter : MessageRecord {
  uint8_t fields;  // neighbour cells 2
  NeighbourCellDescription2 neighbours;
  Si2terRestOctets rest;
};

struct Si2quater : MessageRecord {
  Si2quaterRestOctets rest;
};

struct Si3 : MessageRecord {
  uint8_t fields;  // cell identity, LAI, control channel, cell options, cell selection, RACH control
  uint16_t cell_identity;
  LocationAreaId lai;
  ControlChannelDescription control_channel;
  CellOptionsBcch cell_options;
  CellSelectionParameters cell_selection;
  RachControl rach;
  uint8_t rest_present;
  Si3RestOctets rest;
};

struct Si4 : MessageRecord {
  uint8_t fields;  // LAI, cell selection, RACH control
  LocationAreaId lai;
  CellSelectionParameters cell_selection;
  RachControl rach;
  Opt<ChannelDescription> cbch;
  Opt<MobileAllocation> cbch_mobile_allocation;
  uint8_t rest_present;
  Si4RestOctets rest;
};

struct Si5 : MessageRecord {
  uint8_t fields;  // neighbour cells
  NeighbourCellDescription neighbours;
};

struct Si5ter : MessageRecord {
  uint8_t fields;  // neighbour cells 2
  NeighbourCellDescription2 neighbours;
};

struct Si6 : MessageRecord {
  uint8_t fields;  // cell identity, LAI, cell options, NCC permitted
  uint16_t cell_identity;
  LocationAreaId lai;
  CellOptionsSacch cell_options;
  uint8_t ncc_permitted;
  uint8_t rest_present;
  Si6RestOctets rest;
};

// SI 7 and SI 8.
struct Si7 : MessageRecord {
  uint8_t rest_present;
  Si4RestOctetsS rest;
};

struct Si9 : MessageRecord {
  uint8_t fields;  // RACH control
  RachControl rach;
  uint8_t rest_present;
  Si9RestOctets rest;
};

struct Si13 : MessageRecord {
  Si13RestOctets rest;
};

// SI 14 and SI 15.
struct Si14 : MessageRecord {
  Si14RestOctets rest;
};

// SI 16 and SI 17.
struct Si16 : MessageRecord {
  Si16RestOctets rest;
};

// SI 18 and SI 20.
struct Si18 : MessageRecord {
  Si18RestOctets rest;
};

struct Si19 : MessageRecord {
  Si19RestOctets rest;
};

static_assert(std::is_trivially_copyable_v<Si1> && std::is_trivially_copyable_v<Si2> &&
              std::is_trivially_copyable_v<Si2bis> && std::is_trivially_copyable_v<Si2ter> &&
              std::is_trivially_copyable_v<Si2quater> && std::is_trivially_copyable_v<Si3> &&
              std::is_trivially_copyable_v<Si4> && std::is_trivially_copyable_v<Si5> &&
              std::is_trivially_copyable_v<Si5ter> && std::is_trivially_copyable_v<Si6> &&
              std::is_trivially_copyable_v<Si7> && std::is_trivially_copyable_v<Si9> &&
              std::is_trivially_copyable_v<Si13> && std::is_trivially_copyable_v<Si14> &&
              std::is_trivially_copyable_v<Si16> && std::is_trivially_copyable_v<Si18> &&
              std::is_trivially_copyable_v<Si19>);

// One parser and one renderer per layout; types that share a layout share
// the parser (SI 7/8, 14/15, 16/17, 18/20), the renderer writes the name.
void parse_si1(Si1& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_si2(Si2& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_si2bis(Si2bis& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_si2ter(Si2ter& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_si2quater(Si2quater& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_si3(Si3& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_si4(Si4& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_si5(Si5& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_si5bis(Si5& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_si5ter(Si5ter& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_si6(Si6& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_si7(Si7& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_si9(Si9& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_si13(Si13& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_si14(Si14& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_si16(Si16& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_si18(Si18& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_si19(Si19& r, const uint8_t* msg, uint16_t len, uint8_t dir);

// Each writes the message's elements between "<name>\n" and "</name>\n".
int render_si1(const Si1& r, OutputText& out, const char* name);
int render_si2(const Si2& r, OutputText& out, const char* name);
int render_si2bis(const Si2bis& r, OutputText& out, const char* name);
int render_si2ter(const Si2ter& r, OutputText& out, const char* name);
int render_si2quater(const Si2quater& r, OutputText& out, const char* name);
int render_si3(const Si3& r, OutputText& out, const char* name);
int render_si4(const Si4& r, OutputText& out, const char* name);
int render_si5(const Si5& r, OutputText& out, const char* name);
int render_si5ter(const Si5ter& r, OutputText& out, const char* name);
int render_si6(const Si6& r, OutputText& out, const char* name);
int render_si7(const Si7& r, OutputText& out, const char* name);
int render_si9(const Si9& r, OutputText& out, const char* name);
int render_si13(const Si13& r, OutputText& out, const char* name);
int render_si14(const Si14& r, OutputText& out, const char* name);
int render_si16(const Si16& r, OutputText& out, const char* name);
int render_si18(const Si18& r, OutputText& out, const char* name);
int render_si19(const Si19& r, OutputText& out, const char* name);

}  // namespace l3
