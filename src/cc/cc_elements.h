// Call-control element decoders and renderers (the bearer capabilities have
// their own file). Decoders take the length octet and the value octets unless
// noted; renderers return 0 when a value without text cut the element short.
#pragma once

#include <cstdint>

#include "cc/cc_records.h"
#include "core/bits.h"
#include "core/output.h"

namespace l3 {

void decode_facility(Facility& f, const BitBuffer& bits);
void decode_low_layer_compatibility(LowLayerCompat& llc, const BitBuffer& bits);
void decode_ss_version(SsVersion& v, const BitBuffer& bits);
void decode_user_user(UserUserInfo& uu, const BitBuffer& bits);
void decode_progress_indicator(ProgressInfo& p, const BitBuffer& value);         // value octets alone
void decode_high_layer_compatibility(HighLayerInfo& h, const BitBuffer& value);  // value octets alone
void decode_cc_capabilities(CcCapabilitiesInfo& c, const BitBuffer& bits);
void decode_cause(CauseInfo& c, const BitBuffer& bits);
void decode_calling_party_number(BcdNumber& n, const BitBuffer& bits);
void decode_redirecting_party_number(BcdNumber& n, const BitBuffer& bits);
void decode_connected_number(BcdNumber& n, const BitBuffer& bits);
void decode_called_party_number(BcdNumber& n, const BitBuffer& bits);
void decode_subaddress(SubaddressInfo& s, const BitBuffer& bits);
void decode_supported_codecs(CodecList& c, const BitBuffer& bits);

int render_cause(const CauseInfo& c, OutputText& out);
int render_progress_indicator(const ProgressInfo& p, OutputText& out);
int render_facility(const Facility& f, OutputText& out);
int render_user_user(const UserUserInfo& uu, OutputText& out);
int render_ss_version(const SsVersion& v, OutputText& out);
int render_called_party_number(const BcdNumber& n, OutputText& out);
int render_calling_party_number(const BcdNumber& n, OutputText& out);
int render_connected_number(const BcdNumber& n, OutputText& out);
int render_redirecting_party_number(const BcdNumber& n, OutputText& out);
int render_called_party_subaddress(const SubaddressInfo& s, OutputText& out);
int render_calling_party_subaddress(const SubaddressInfo& s, OutputText& out);
int render_connected_subaddress(const SubaddressInfo& s, OutputText& out);
int render_redirecting_party_subaddress(const SubaddressInfo& s, OutputText& out);
int render_high_layer_compatibility(const HighLayerInfo& h, OutputText& out);
int render_low_layer_compatibility(const LowLayerCompat& llc, OutputText& out);
int render_bc_repeat_indicator(uint8_t value, OutputText& out);
int render_llc_repeat_indicator(uint8_t value, OutputText& out);
int render_hlc_repeat_indicator(uint8_t value, OutputText& out);
int render_priority(uint8_t value, OutputText& out);
int render_network_cc_capabilities(const ShortElement& e, OutputText& out);
int render_cc_capabilities(const CcCapabilitiesInfo& c, OutputText& out);
int render_allowed_actions(const ShortElement& e, OutputText& out);
int render_stream_identifier(const ShortElement& e, OutputText& out);
int render_supported_codecs(const CodecList& c, OutputText& out);

}  // namespace l3
