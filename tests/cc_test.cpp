#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_util.h"

namespace {

using tharvel_test::body_of;
using tharvel_test::decode_hex;
using tharvel_test::Golden;

// Bearer capability 1 of a SETUP, dir 0 unless the name says otherwise.
const Golden kCcBearerGolden[] = {
    {"speech_octet3_only_dir0", 0, "03 05 | 04 01 A0", R"(<Setup>
<Bearer_capability1>
<GSM_Bearer_Capability>
<Radiochannel_Requirement>
(1)full rate support only MS/fullrate speech version 1 supported</Radiochannel_Requirement>
<Coding_standard>
(0)GSM standardized coding</Coding_standard>
<Transfer_mode>
(0)circuit mode</Transfer_mode>
<Information_transfer_capability>
(0)speech</Information_transfer_capability>
</GSM_Bearer_Capability>
</Bearer_capability1>
</Setup>
)"},
    {"speech_octet3_only_dir1_sequence_bit", 1, "03 45 | 04 01 A0", R"(<Setup>
<Bearer_capability1>
<GSM_Bearer_Capability>
<Radiochannel_Requirement>1</Radiochannel_Requirement>
<Coding_standard>
(0)GSM standardized coding</Coding_standard>
<Transfer_mode>
(0)circuit mode</Transfer_mode>
<Information_transfer_capability>
(0)speech</Information_transfer_capability>
</GSM_Bearer_Capability>
</Bearer_capability1>
</Setup>
)"},
    {"two_speech_octets_ctm_on_first_only", 0, "03 05 | 04 03 60 04 85", R"(<Setup>
<Bearer_capability1>
<GSM_Bearer_Capability>
<Radiochannel_Requirement>
(3)The mobile station supports at least full rate speech version 1 and half rate speech version 1. The mobile station has a greater preference for full rate speech version 1 than for half rate speech version 1</Radiochannel_Requirement>
<Coding_standard>
(0)GSM standardized coding</Coding_standard>
<Transfer_mode>
(0)circuit mode</Transfer_mode>
<Information_transfer_capability>
(0)speech</Information_transfer_capability>
<Coding>
(0)octet used for extension of information transfer capability</Coding>
<CTM_text_telephony_indication>
(0)CTM text telephony is not supported</CTM_text_telephony_indication>
<Speech_version_indication>
(4)GSM full rate speech version 3</Speech_version_indication>
<Coding>
(0)octet used for extension of information transfer capability</Coding>
<Speech_version_indication>
(5)GSM half rate speech version 3</Speech_version_indication>
</GSM_Bearer_Capability>
</Bearer_capability1>
</Setup>
)"},
    {"repeat_between_bcs_third_replaces_second", 1, "03 05 | 04 01 A0 | D1 | 04 01 A2 | 04 01 C1", R"(<Setup>
<RepeatIndicator>
(1)Circular for successive selection mode 1 alternate mode 2</RepeatIndicator>
<Bearer_capability1>
<GSM_Bearer_Capability>
<Radiochannel_Requirement>1</Radiochannel_Requirement>
<Coding_standard>
(0)GSM standardized coding</Coding_standard>
<Transfer_mode>
(0)circuit mode</Transfer_mode>
<Information_transfer_capability>
(0)speech</Information_transfer_capability>
</GSM_Bearer_Capability>
</Bearer_capability1>
<Bearer_capability2>
<GSM_Bearer_Capability>
<Radiochannel_Requirement>2</Radiochannel_Requirement>
<Coding_standard>
(0)GSM standardized coding</Coding_standard>
<Transfer_mode>
(0)circuit mode</Transfer_mode>
<Information_transfer_capability>
(1)unrestricted digital information</Information_transfer_capability>
</GSM_Bearer_Capability>
</Bearer_capability2>
</Setup>
)"},
    {"full_chain_dir0", 0, "03 05 | 04 0C A1 88 80 21 15 63 21 44 51 24 DC C8", R"(<Setup>
<Bearer_capability1>
<GSM_Bearer_Capability>
<Radiochannel_Requirement>
(1)full rate support only MS</Radiochannel_Requirement>
<Coding_standard>
(0)GSM standardized coding</Coding_standard>
<Transfer_mode>
(0)circuit mode</Transfer_mode>
<Information_transfer_capability>
(1)unrestricted digital information</Information_transfer_capability>
<compress>
(0)data compression not allowed</compress>
<Structure>
(0)service data unit integrity</Structure>
<DuplexMode>
(1)full duplex</DuplexMode>
<Configuration>
(0)point-to-point</Configuration>
<NIRR>
(0)No meaning is associated with this value</NIRR>
<Establishment>
(0)demand</Establishment>
<Access_identity>
<subtitle>Access identity</subtitle>
(0)octet identifier</Access_identity>
<Rate_adaption>
(0)no rate adaption</Rate_adaption>
<Signalling_access_protocol>
(0)reserved</Signalling_access_protocol>
<Layer_1_identity>
(1)octet identifier</Layer_1_identity>
<User_information_layer_1_protocol>
(0)default layer 1 protocol</User_information_layer_1_protocol>
<Synchronous_asynchronous>
(1)asynchronous</Synchronous_asynchronous>
<Number_of_Stop_Bits>
(0)1 bit</Number_of_Stop_Bits>
<Negotiation>
(0)n-band negotiation not possible</Negotiation>
<Number_of_data_bits_excluding_parity_bit_if_present>
(1)8 bi</Number_of_data_bits_excluding_parity_bit_if_present>
<User_rate>
(5)9.6 kbit/s Recommendation X.1 and V.110</User_rate>
<Intermediate_rate>
(3)16 kbit/s</Intermediate_rate>
<NIC_on_TX>
(0)does not require to send data with network independent clock</NIC_on_TX>
<NIC_on_RX>
(0)cannot accept data with network independent clock</NIC_on_RX>
<Parity_information>
(3)1none</Parity_information>
<Connection_element>
(1)non transparent</Connection_element>
<Modem_type>
(1)V.21</Modem_type>
<Other_modem_type>
(2)V.34</Other_modem_type>
<Fixed_network_user_rate>
(4)28.8 kbit/s Recommendation X.1 and V.110</Fixed_network_user_rate>
<Acceptable_channel_codings>
<Acceptable_channel_codings_bit_7>
(8)TCH/F14.4 acceptable</Acceptable_channel_codings_bit_7>
<Acceptable_channel_codings_bit_5>
(2)TCH/F9.6 acceptable</Acceptable_channel_codings_bit_5>
<Acceptable_channel_codings_bit_4>
(0)TCH/F4.8 not acceptable</Acceptable_channel_codings_bit_4>
</Acceptable_channel_codings>
<Maximum_number_of_traffic_channels>
(1)2 TCH</Maximum_number_of_traffic_channels>
<UIMI_User_initiated_modification_indication>
(2)User initiated modification up to 2 TCH/F allowed/may be requested</UIMI_User_initiated_modification_indication>
<Wanted_air_interface_user_rate>
(4)28.8 kbit/s</Wanted_air_interface_user_rate>
<Acceptable_Channel_Codings_extended>
<bit_7>
(4)TCH/F28.8 acceptable</bit_7>
<bit_6>
(0)TCH/F32.0 not acceptable</bit_6>
<bit_5>
(1)TCH/F43.2 acceptable</bit_5>
</Acceptable_Channel_Codings_extended>
<Channel_Coding_Asymmetry_Indication>
(3)Unused, if received it shall be interpreted as "Channel coding symmetry preferred</Channel_Coding_Asymmetry_Indication>
<Layer_2_identity>
(2)octet identifier</Layer_2_identity>
<User_information_layer_2_protocol>
(8)ISO 6429, codeset 0</User_information_layer_2_protocol>
</GSM_Bearer_Capability>
</Bearer_capability1>
</Setup>
)"},
    // The network side hides octets 6e, 6g and the wanted rate.
    {"full_chain_dir1_in_call_confirmed", 1, "03 08 | 04 0C A1 88 80 21 15 63 21 44 51 24 DC C8", R"(<Call_Confirm>
<Bearer_capability_1>
<GSM_Bearer_Capability>
<Radiochannel_Requirement>1</Radiochannel_Requirement>
<Coding_standard>
(0)GSM standardized coding</Coding_standard>
<Transfer_mode>
(0)circuit mode</Transfer_mode>
<Information_transfer_capability>
(1)unrestricted digital information</Information_transfer_capability>
<compress>
(0)data compression not possible</compress>
<Structure>
(0)service data unit integrity</Structure>
<DuplexMode>
(1)full duplex</DuplexMode>
<Configuration>
(0)point-to-point</Configuration>
<NIRR>
(0)No meaning is associated with this value</NIRR>
<Establishment>
(0)demand</Establishment>
<Access_identity>
<subtitle>Access identity</subtitle>
(0)octet identifier</Access_identity>
<Rate_adaption>
(0)no rate adaption</Rate_adaption>
<Signalling_access_protocol>
(0)reserved</Signalling_access_protocol>
<Layer_1_identity>
(1)octet identifier</Layer_1_identity>
<User_information_layer_1_protocol>
(0)default layer 1 protocol</User_information_layer_1_protocol>
<Synchronous_asynchronous>
(1)asynchronous</Synchronous_asynchronous>
<Number_of_Stop_Bits>
(0)1 bit</Number_of_Stop_Bits>
<Negotiation>
(0)n-band negotiation not possible</Negotiation>
<Number_of_data_bits_excluding_parity_bit_if_present>
(1)8 bi</Number_of_data_bits_excluding_parity_bit_if_present>
<User_rate>
(5)9.6 kbit/s Recommendation X.1 and V.110</User_rate>
<Intermediate_rate>
(3)16 kbit/s</Intermediate_rate>
<NIC_on_TX>
(0)does not require to send data with network independent clock</NIC_on_TX>
<NIC_on_RX>
(0)cannot accept data with network independent clock</NIC_on_RX>
<Parity_information>
(3)1none</Parity_information>
<Connection_element>
(1)non transparent</Connection_element>
<Modem_type>
(1)V.21</Modem_type>
<Other_modem_type>
(2)V.34</Other_modem_type>
<Fixed_network_user_rate>
(4)28.8 kbit/s Recommendation X.1 and V.110</Fixed_network_user_rate>
<UIMI_User_initiated_modification_indication>
(2)User initiated modification up to 2 TCH/F allowed/may be requested</UIMI_User_initiated_modification_indication>
<Layer_2_identity>
(2)octet identifier</Layer_2_identity>
<User_information_layer_2_protocol>
(8)ISO 6429, codeset 0</User_information_layer_2_protocol>
</GSM_Bearer_Capability>
</Bearer_capability_1>
</Call_Confirm>
)"},
    // NIRR 1 (its text holds a tab); 6b announces octet 6c, which is missing.
    {"nirr_and_announced_6c_missing", 0, "03 08 | 04 06 A1 8A 80 21 15 63",
     R"(<Call_Confirm>
<Bearer_capability_1>
<GSM_Bearer_Capability>
<Radiochannel_Requirement>
(1)full rate support only MS</Radiochannel_Requirement>
<Coding_standard>
(0)GSM standardized coding</Coding_standard>
<Transfer_mode>
(0)circuit mode</Transfer_mode>
<Information_transfer_capability>
(1)unrestricted digital information</Information_transfer_capability>
<compress>
(0)data compression not allowed</compress>
<Structure>
(0)service data unit integrity</Structure>
<DuplexMode>
(1)full duplex</DuplexMode>
<Configuration>
(0)point-to-point</Configuration>
<NIRR>
(1)Data up to and including 4.8 kb/s, full rate, non-transparent, 6 kb/s radio )"
     "\t"
     R"(interface rate is requested</NIRR>
<Establishment>
(0)demand</Establishment>
<Access_identity>
<subtitle>Access identity</subtitle>
(0)octet identifier</Access_identity>
<Rate_adaption>
(0)no rate adaption</Rate_adaption>
<Signalling_access_protocol>
(0)reserved</Signalling_access_protocol>
<Layer_1_identity>
(1)octet identifier</Layer_1_identity>
<User_information_layer_1_protocol>
(0)default layer 1 protocol</User_information_layer_1_protocol>
<Synchronous_asynchronous>
(1)asynchronous</Synchronous_asynchronous>
<Number_of_Stop_Bits>
(0)1 bit</Number_of_Stop_Bits>
<Negotiation>
(0)n-band negotiation not possible</Negotiation>
<Number_of_data_bits_excluding_parity_bit_if_present>
(1)8 bi</Number_of_data_bits_excluding_parity_bit_if_present>
<User_rate>
(5)9.6 kbit/s Recommendation X.1 and V.110</User_rate>
<Intermediate_rate>
(3)16 kbit/s</Intermediate_rate>
<NIC_on_TX>
(0)does not require to send data with network independent clock</NIC_on_TX>
<NIC_on_RX>
(0)cannot accept data with network independent clock</NIC_on_RX>
<Parity_information>
(3)1none</Parity_information>
<Connection_element>
(0)transparent</Connection_element>
<Modem_type>
(0)none</Modem_type>
</GSM_Bearer_Capability>
</Bearer_capability_1>
</Call_Confirm>
)"},
    // Modem type 9 has no text: the element stops, the message goes on.
    {"modem_type_without_text_stops_element", 1, "03 08 | 04 07 A1 88 80 21 15 63 09 | 2D 01 07", R"(<Call_Confirm>
<Bearer_capability_1>
<GSM_Bearer_Capability>
<Radiochannel_Requirement>1</Radiochannel_Requirement>
<Coding_standard>
(0)GSM standardized coding</Coding_standard>
<Transfer_mode>
(0)circuit mode</Transfer_mode>
<Information_transfer_capability>
(1)unrestricted digital information</Information_transfer_capability>
<compress>
(0)data compression not possible</compress>
<Structure>
(0)service data unit integrity</Structure>
<DuplexMode>
(1)full duplex</DuplexMode>
<Configuration>
(0)point-to-point</Configuration>
<NIRR>
(0)No meaning is associated with this value</NIRR>
<Establishment>
(0)demand</Establishment>
<Access_identity>
<subtitle>Access identity</subtitle>
(0)octet identifier</Access_identity>
<Rate_adaption>
(0)no rate adaption</Rate_adaption>
<Signalling_access_protocol>
(0)reserved</Signalling_access_protocol>
<Layer_1_identity>
(1)octet identifier</Layer_1_identity>
<User_information_layer_1_protocol>
(0)default layer 1 protocol</User_information_layer_1_protocol>
<Synchronous_asynchronous>
(1)asynchronous</Synchronous_asynchronous>
<Number_of_Stop_Bits>
(0)1 bit</Number_of_Stop_Bits>
<Negotiation>
(0)n-band negotiation not possible</Negotiation>
<Number_of_data_bits_excluding_parity_bit_if_present>
(1)8 bi</Number_of_data_bits_excluding_parity_bit_if_present>
<User_rate>
(5)9.6 kbit/s Recommendation X.1 and V.110</User_rate>
<Intermediate_rate>
(3)16 kbit/s</Intermediate_rate>
<NIC_on_TX>
(0)does not require to send data with network independent clock</NIC_on_TX>
<NIC_on_RX>
(0)cannot accept data with network independent clock</NIC_on_RX>
<Parity_information>
(3)1none</Parity_information>
<Connection_element>
(0)transparent</Connection_element>
<Modem_type>
(9)Reserved</Bearer_capability_1>
<StreamIdentifier>7</StreamIdentifier>
</Call_Confirm>
)"},
    {"backup_bc_dir1", 1, "03 05 | 41 05 A1 88 80 21 95", R"(<Setup>
<Backup_Bearer_Capability>
<compress>
(0)data compression not possible</compress>
<Structure>
(0)service data unit integrity</Structure>
<DuplexMode>
(1)full duplex</DuplexMode>
<Configuration>
(0)point-to-point</Configuration>
<NIRR>
(0)No meaning is associated with this value</NIRR>
<Establishment>
(0)demand</Establishment>
<Access_identity>
(0)octet identifier</Access_identity>
<Rate_adaption>
(0)no rate adaption</Rate_adaption>
<Signalling_access_protocol>
(0)reserved</Signalling_access_protocol>
<Layer_1_identity>
(1)octet identifier</Layer_1_identity>
<UserInformationLayer1Protocol>
(0)default layer 1 protocol</UserInformationLayer1Protocol>
<Synchronous_asynchronous>
(1)asynchronous</Synchronous_asynchronous>
<NumberOfStopBits>
(0)1 bit</NumberOfStopBits>
<Negotiation>
(0)n-band negotiation not possible</Negotiation>
<NumberOfDataBitsExcludingParityBit>
(1)8 bit</NumberOfDataBitsExcludingParityBit>
<UserRate>
(5)9.6 kbit/s Recommendation X.1 and V.110</UserRate>
</Backup_Bearer_Capability>
</Setup>
)"},
};

// Causes of both coding standards, their early stop, and the clearing messages.
const Golden kCcClearingGolden[] = {
    {"disconnect_gsm_cause", 1, "03 25 | 02 E0 90", R"(<Disconnect>
<Cause>
<CodingStandard>
(3)Standard defined for the GSM PLMNS</CodingStandard>
<Location>
(0)user</Location>
<Cause_value>
(16)Normal call clearing</Cause_value>
</Cause>
</Disconnect>
)"},
    // Any other coding standard takes the next octet as the recommendation.
    {"disconnect_q931_short_cause_is_recommendation", 1, "03 25 | 02 80 90", R"(<Disconnect>
<Cause>
<CodingStandard>
(0)Coding as specified in ITU-T Rec. Q.931</CodingStandard>
<Location>
(0)user</Location>
<Recommendation>16</Recommendation>
</Cause>
</Disconnect>
)"},
    {"disconnect_q931_diagnostic_progress_ccbs_dir1", 1, "03 25 | 04 82 01 9F 05 | 1E 02 EA 88 | 7B 01 80 | 7F 01 00",
     R"(<Disconnect>
<Cause>
<CodingStandard>
(0)Coding as specified in ITU-T Rec. Q.931</CodingStandard>
<Location>
(2)public network serving the local user</Location>
<Recommendation>1</Recommendation>
<Cause_value>
(31)Normal, unspecified</Cause_value>
<Diagnostic>0x 5</Diagnostic>
</Cause>
<Progress_Indicator>
<coding_standard>
(3)Standard defined for the GSM PLMNS</coding_standard>
<location>
(10)Network beyond interworking point</location>
<Progress_description>
(8)In-band information or appropriate pattern now available</Progress_description>
</Progress_Indicator>
<Allowed_actions_CCBS>
(1)Activation of CCBS possible</Allowed_actions_CCBS>
</Disconnect>
)"},
    {"disconnect_dir0_shows_ss_version_only", 0, "03 25 | 02 E2 95 | 1E 02 EA 88 | 7B 01 80 | 7F 02 01 AB",
     R"(<Disconnect>
<Cause>
<CodingStandard>
(3)Standard defined for the GSM PLMNS</CodingStandard>
<Location>
(2)public network serving the local user</Location>
<Cause_value>
(21)Call rejected</Cause_value>
</Cause>
<SS_version>
<SsVersion>0x 1ab</SsVersion>
</SS_version>
</Disconnect>
)"},
    // Location 6 has no text: the cause stops, the message goes on.
    {"cause_location_without_text", 1, "03 25 | 02 E6 90 | 1C 01 A1", R"(<Disconnect>
<Cause>
<CodingStandard>
(3)Standard defined for the GSM PLMNS</CodingStandard>
<Location>
(6)<GSM_Facility>
<Facility>0xa1</Facility>
</GSM_Facility>
</Disconnect>
)"},
    // Nothing after the SS version is taken.
    {"release_two_causes_walk_ends_after_ss_version", 0, "03 2D | 08 02 E0 90 | 08 03 80 81 9F | 7F 01 00 | 1C 01 AA",
     R"(<Release>
<Cause>
<CodingStandard>
(3)Standard defined for the GSM PLMNS</CodingStandard>
<Location>
(0)user</Location>
<Cause_value>
(16)Normal call clearing</Cause_value>
</Cause>
<Cause>
<CodingStandard>
(0)Coding as specified in ITU-T Rec. Q.931</CodingStandard>
<Location>
(0)user</Location>
<Recommendation>1</Recommendation>
<Cause_value>
(31)Normal, unspecified</Cause_value>
</Cause>
<SS_version>
<SsVersion>0x 0</SsVersion>
</SS_version>
</Release>
)"},
    {"release_complete_dir1_hides_ss_version", 1, "03 2A | 08 02 E0 90 | 1C 02 A1 05 | 7F 01 00", R"(<Release_Complete>
<Cause>
<CodingStandard>
(3)Standard defined for the GSM PLMNS</CodingStandard>
<Location>
(0)user</Location>
<Cause_value>
(16)Normal call clearing</Cause_value>
</Cause>
<GSM_Facility>
<Facility>0xa1 5</Facility>
</GSM_Facility>
</Release_Complete>
)"},
    {"hold_reject", 0, "03 1A | 02 E0 A2", R"(<Hold_Reject>
<Cause>
<CodingStandard>
(3)Standard defined for the GSM PLMNS</CodingStandard>
<Location>
(0)user</Location>
<Cause_value>
(34)No circuit/channel available</Cause_value>
</Cause>
</Hold_Reject>
)"},
    {"congestion_control_not_ready", 0, "03 39 | 0F | 08 02 E0 A2", R"(<CC_Congestion_Control>
<Congestion_level>
(15)receiver not ready</Congestion_level>
<Cause>
<CodingStandard>
(3)Standard defined for the GSM PLMNS</CodingStandard>
<Location>
(0)user</Location>
<Cause_value>
(34)No circuit/channel available</Cause_value>
</Cause>
</CC_Congestion_Control>
)"},
    {"status_call_state_19_with_auxiliary_states", 1, "03 3D | 02 E0 9E | D3 | 24 01 89", R"(<CC_Status>
<Cause>
<CodingStandard>
(3)Standard defined for the GSM PLMNS</CodingStandard>
<Location>
(0)user</Location>
<Cause_value>
(30)Response to STATUS ENQUIRY</Cause_value>
</Cause>
<Call_state>
<CodingStandard>
(3)standard defined for the GSM PLMNS as described below</CodingStandard>
<call_state_value>
(19)U19- release request</call_state_value>
</Call_state>
<Auxiliary_states>
<Hold_auxiliary_state>
(2)call held</Hold_auxiliary_state>
<Multi_party_auxiliary_state>
(1)MPTY request</Multi_party_auxiliary_state>
</Auxiliary_states>
</CC_Status>
)"},
    // Call state 5 has no text: the message ends after its number.
    {"status_call_state_without_text", 1, "03 3D | 02 E0 9E | C5 | 24 01 89", R"(<CC_Status>
<Cause>
<CodingStandard>
(3)Standard defined for the GSM PLMNS</CodingStandard>
<Location>
(0)user</Location>
<Cause_value>
(30)Response to STATUS ENQUIRY</Cause_value>
</Cause>
<Call_state>
<CodingStandard>
(3)standard defined for the GSM PLMNS as described below</CodingStandard>
<call_state_value>
(5))"},
};

// Numbers, subaddresses and the direction split of SETUP and CONNECT.
const Golden kCcSetupGolden[] = {
    {"setup_header_only", 0, "03 05", "<Setup>\n</Setup>\n"},
    {"setup_unknown_iei_ends_walk", 0, "03 05 | FF | 04 01 A0", "<Setup>\n</Setup>\n"},
    {"setup_tlv_one_past_end_not_taken", 0, "03 05 | 34 01 | 5E 04 81 21 F3", "<Setup>\n</Setup>\n"},
    {"setup_numbers_dir0", 0, "03 05 | 5E 03 81 21 F3 | 5C 02 11 83 | 6D 02 A0 50 | A1", R"(<Setup>
<CalledPartySubaddress>
<Type_of_subaddress>
(2)User specified</Type_of_subaddress>
<odd_even_indicator>
(0)even number of address signals</odd_even_indicator>
<Subaddress_information>
<Subaddress>0x50</Subaddress>
</Subaddress_information>
</CalledPartySubaddress>
<CalledPartyBCDNum>
<Number_Planidentification>
(1)ISDN/telephony numbering plan</Number_Planidentification>
<Type_of_number>
(0)unknown</Type_of_number>
<Number_digit>
123</Number_digit>
</CalledPartyBCDNum>
<CLIR_suppression>
no detail</CLIR_suppression>
<CallingPartyBCDNum>
<Number_planidentification>
(0)unknown</Number_planidentification>
<Type_of_number>
(0)unknown</Type_of_number>
<Screeningindicator>
(0)User-provided, not screened</Screeningindicator>
<Presentationindicator>
(0)Presentation allowed</Presentationindicator>
<Number_digit>
</Number_digit>
</CallingPartyBCDNum>
</Setup>
)"},
    // Signal is two octets; the calling number is the mobile side's only.
    {"setup_network_side_dir1", 1,
     "03 05 | 34 01 | 5C 04 11 83 21 43 | 74 04 21 80 55 F5 | 83 | 19 01 02 | 2F 01 01 | 3A 01 05",
     R"(<Setup>
<Signal>
(1)ring back tone on</Signal>
<Priority_Granted>
(3)call priority level 2</Priority_Granted>
<Alert>
(2)alerting pattern3</Alert>
<Network_Call_Control_Capabilities>
<NetworkCCCapabilities>
(1)the network supports the multicall.</NetworkCCCapabilities>
</Network_Call_Control_Capabilities>
<Cause_of_No_CLI>
(5)reserved</Cause_of_No_CLI>
<Redirecting_Party_BCD_Num>
<Number_planidentification>
(1)ISDN/telephony numbering plan</Number_planidentification>
<Type_of_number>
(2)national number</Type_of_number>
<Screeningindicator>
(0)User-provided, not screened</Screeningindicator>
<Presentationindicator>
(0)Presentation allowed</Presentationindicator>
<BCDSTR>555</BCDSTR>
</Redirecting_Party_BCD_Num>
</Setup>
)"},
    {"connect_number_and_subaddress_dir1", 1, "03 07 | 4C 03 01 80 21 | 4D 02 80 AB | 2D 01 01", R"(<Connect>
<Connected_subaddress>
<Type_of_subaddress>
(0)NSAP</Type_of_subaddress>
<odd_even_indicator>
even number of address signals</odd_even_indicator>
<Subaddress_information>
<Subaddress>0xab</Subaddress>
</Subaddress_information>
</Connected_subaddress>
<Connected_number>
<Number_planidentification>
(1)ISDN/telephony numbering plan</Number_planidentification>
<Type_of_number>
(0)unknown</Type_of_number>
<Screeningindicator>
(0)User-provided, not screened</Screeningindicator>
<Presentationindicator>
(0)Presentation allowed</Presentationindicator>
<Number_digit>12</Number_digit>
</Connected_number>
</Connect>
)"},
    {"establishment_repeat_slots_llc_hlc", 1,
     "03 04 | D1 | 04 01 A0 | D2 | 7C 01 11 | 7C 01 22 | 7C 01 33 | D3 | 7D 02 91 81 | A2", R"(<CC_Establishment>
<RepeatIndicator>
(1)Circular for successive selection mode 1 alternate mode 2</RepeatIndicator>
<Bearer_capability_1>
<GSM_Bearer_Capability>
<Radiochannel_Requirement>1</Radiochannel_Requirement>
<Coding_standard>
(0)GSM standardized coding</Coding_standard>
<Transfer_mode>
(0)circuit mode</Transfer_mode>
<Information_transfer_capability>
(0)speech</Information_transfer_capability>
</GSM_Bearer_Capability>
</Bearer_capability_1>
<CCLLCRepeatIndicator>
<Repeat_Indicator>
(2)Support of fallback - mode 1 preferred, mode 2 selected if setup of mode 1 fails</Repeat_Indicator>
</CCLLCRepeatIndicator>
<submsg>
<subtitle>Low layer compatibility I </subtitle>
<Low_layer_compatibility>0x11</Low_layer_compatibility>
</submsg>
<submsg>
<subtitle>Low layer compatibility II </subtitle>
<Low_layer_compatibility>0x22</Low_layer_compatibility>
</submsg>
<CCHLCRepeatIndicator>
<HLC_Repeat_Indicator>
(3)reserved: was allocated in earlier phases of the protocoln</HLC_Repeat_Indicator>
</CCHLCRepeatIndicator>
<submsg>
<subtitle>High layer compatibility I</subtitle>
<High_Layer_Comp>
<CodingStandard>0</CodingStandard>
<Interpretation>4</Interpretation>
<presentat_method_of_protocolprofile>1</presentat_method_of_protocolprofile>
<High_layer_characteristics>1</High_layer_characteristics>
<Extended_high_layer_characteristics_identification>0</Extended_high_layer_characteristics_identification>
</High_Layer_Comp>
</submsg>
<CLIR_Invocation>
no detail</CLIR_Invocation>
</CC_Establishment>
)"},
    {"call_confirmed_capabilities_stream_codecs", 0, "03 08 | 15 02 21 02 | 2D 01 05 | 40 07 04 02 60 00 00 01 1F",
     R"(<Call_Confirm>
<Call_Control_Capabilities>
<DTMF>
(1)the mobile station supports DTMF</DTMF>
<PCP>
(0)the mobile station does not support the Prolonged Clearing Procedure</PCP>
<Maximum_number_of_supported_bearers>
(2)<MaximumNumberOfSupportedBearers>2</MaximumNumberOfSupportedBearers>
</Maximum_number_of_supported_bearers>
<Maximum_number_of_speech_bearers>2</Maximum_number_of_speech_bearers>
</Call_Control_Capabilities>
<StreamIdentifier>5</StreamIdentifier>
<SupportedCodecList>
<System_Identification>
<SysID>4</SysID>
<Codec_Bitmap_List>
<Bitmap>0x60 0</Bitmap>
</Codec_Bitmap_List>
</System_Identification>
<System_Identification>
<SysID>0</SysID>
<Codec_Bitmap_List>
<Bitmap>0x1f</Bitmap>
</Codec_Bitmap_List>
</System_Identification>
</SupportedCodecList>
</Call_Confirm>
)"},
    // The MODIFY flags survive a high layer compatibility that follows them.
    {"modify_flags_and_hlc", 1, "03 17 | 01 A0 | A3 | 7D 02 91 81 | A4", R"(<Modify>
<Bearer_capability>
<GSM_Bearer_Capability>
<Radiochannel_Requirement>1</Radiochannel_Requirement>
<Coding_standard>
(0)GSM standardized coding</Coding_standard>
<Transfer_mode>
(0)circuit mode</Transfer_mode>
<Information_transfer_capability>
(0)speech</Information_transfer_capability>
</GSM_Bearer_Capability>
</Bearer_capability>
<High_Layer_Comp>
<CodingStandard>0</CodingStandard>
<Interpretation>4</Interpretation>
<presentat_method_of_protocolprofile>1</presentat_method_of_protocolprofile>
<High_layer_characteristics>1</High_layer_characteristics>
<Extended_high_layer_characteristics_identification>0</Extended_high_layer_characteristics_identification>
</High_Layer_Comp>
<Reverse_call_setup_direction>
no detail</Reverse_call_setup_direction>
<Immediate_modification_indicator>
no detail</Immediate_modification_indicator>
</Modify>
)"},
    // The mobile side's order: user-user, SS version, subaddress, number, the
    // recall facilities, stream, codecs, CLIR, calling number last; the
    // network side's call control capabilities and progress stay hidden.
    {"setup_mobile_side_order_dir0", 0,
     "03 05 | 04 01 A0 | 7E 02 00 AB | 7F 01 02 | 5D 02 A0 11 | 5E 02 81 F1 | 1D 01 AA | 1B 01 BB | 2D 01 03 | "
     "40 03 00 01 40 | A1 | A2 | 5C 04 21 C3 10 F2 | 15 02 21 02 | 1E 02 EA 88",
     R"(<Setup>
<Bearer_capability1>
<GSM_Bearer_Capability>
<Radiochannel_Requirement>
(1)full rate support only MS/fullrate speech version 1 supported</Radiochannel_Requirement>
<Coding_standard>
(0)GSM standardized coding</Coding_standard>
<Transfer_mode>
(0)circuit mode</Transfer_mode>
<Information_transfer_capability>
(0)speech</Information_transfer_capability>
</GSM_Bearer_Capability>
</Bearer_capability1>
<User_user>
<User_user_protocol_discriminator>
(0)User specific protocol
</User_user_protocol_discriminator>
<User_user_information>
<Information>0xab</Information>
</User_user_information>
</User_user>
<SS_version>
<SsVersion>0x 2</SsVersion>
</SS_version>
<CallingPartySubaddress>
<Type_of_subaddress>
(2)User specified</Type_of_subaddress>
<odd_even_indicator>
(0)even number of address signals</odd_even_indicator>
<Subaddress_information>0x11</Subaddress_information>
</CallingPartySubaddress>
<CalledPartyBCDNum>
<Number_Planidentification>
(1)ISDN/telephony numbering plan</Number_Planidentification>
<Type_of_number>
(0)unknown</Type_of_number>
<Number_digit>
1</Number_digit>
</CalledPartyBCDNum>
<Facility_advanced_recall_alignment>
<GSM_Facility>
<Facility>0xaa</Facility>
</GSM_Facility>
</Facility_advanced_recall_alignment>
<Facility_recall_alignment_Not_essential>
<GSM_Facility>
<Facility>0xbb</Facility>
</GSM_Facility>
</Facility_recall_alignment_Not_essential>
<StreamIdentifier>3</StreamIdentifier>
<SupportedCodecList>
<System_Identification>
<SysID>0</SysID>
<Codec_Bitmap_List>
<Bitmap>0x40</Bitmap>
</Codec_Bitmap_List>
</System_Identification>
</SupportedCodecList>
<CLIR_suppression>
no detail</CLIR_suppression>
<CLIR_Invocation>
no detail</CLIR_Invocation>
<CallingPartyBCDNum>
<Number_planidentification>
(1)ISDN/telephony numbering plan</Number_planidentification>
<Type_of_number>
(2)national number</Type_of_number>
<Screeningindicator>
(3)Network provided</Screeningindicator>
<Presentationindicator>
(2)Number not available due to interworking</Presentationindicator>
<Number_digit>
012</Number_digit>
</CallingPartyBCDNum>
</Setup>
)"},
    // Network side: capabilities before progress, the multicall text with its
    // "<", the backup bearer's own tags, the redirecting subaddress last.
    {"setup_network_side_backup_bc_dir1", 1,
     "03 05 | 15 02 13 01 | 1E 02 E1 A0 | 2F 01 00 | 41 07 A1 88 19 08 D6 A0 C6 | 75 02 B8 AB | 7F 01 00 | 2D 01 01",
     R"(<Setup>
<Call_Control_Capabilities>
<DTMF>
(1)the mobile station supports DTMF</DTMF>
<PCP>
(1)the mobile station supports the Prolonged Clearing Procedure.</PCP>
<Maximum_number_of_supported_bearers>
(1)<MaximumNumberOfSupportedBearers>1</MaximumNumberOfSupportedBearers>
</Maximum_number_of_supported_bearers>
<Maximum_number_of_speech_bearers>1</Maximum_number_of_speech_bearers>
</Call_Control_Capabilities>
<Progress_Indicator>
<coding_standard>
(3)Standard defined for the GSM PLMNS</coding_standard>
<location>
(1)Private network serving the local user</location>
<Progress_description>
(32)Call is end-to-end PLMN/ISDNn</Progress_description>
</Progress_Indicator>
<Network_Call_Control_Capabilities>
<NetworkCCCapabilities>
(0)<the network does not support the multicall.</NetworkCCCapabilities>
</Network_Call_Control_Capabilities>
<Backup_Bearer_Capability>
<compress>
(0)data compression not possible</compress>
<Structure>
(0)service data unit integrity</Structure>
<DuplexMode>
(1)full duplex</DuplexMode>
<Configuration>
(0)point-to-point</Configuration>
<NIRR>
(0)No meaning is associated with this value</NIRR>
<Establishment>
(0)demand</Establishment>
<Access_identity>
(0)octet identifier</Access_identity>
<Rate_adaption>
(3)Other rate adaption</Rate_adaption>
<Signalling_access_protocol>
(1)I.440/450</Signalling_access_protocol>
<Other_ITC>
(0)restricted digital information</Other_ITC>
<Other_rate_adaption>
(1)H.223 & H.245</Other_rate_adaption>
<RateAdaptionHeaderIncluded>
(1)Rate adaption header included</RateAdaptionHeaderIncluded>
<MultipleFrameEstablishmentSupported>
(0)Multiple frame establishment not supported, only UI frames allowed</MultipleFrameEstablishmentSupported>
<ModeOfOperation>
(1)Protocol sensitive mode of operation</ModeOfOperation>
<LogicalLinkIdentifierNegotiation>
(0)Default, LLI=256 only</LogicalLinkIdentifierNegotiation>
<AssignorOrAssignee>
(1)Message originator is assignor only</AssignorOrAssignee>
<InOrOutOfBandNegotiation>
(1)Negotiation is done in-band using logical link zero</InOrOutOfBandNegotiation>
<Layer_1_identity>
(1)octet identifier</Layer_1_identity>
<UserInformationLayer1Protocol>
(0)default layer 1 protocol</UserInformationLayer1Protocol>
<Synchronous_asynchronous>
(0)synchronous</Synchronous_asynchronous>
<Layer_2_identity>
(2)octet identifier</Layer_2_identity>
<User_information_layer_2_protocol>
(6)reserved: was allocated in earlier phases of the protocol</User_information_layer_2_protocol>
</Backup_Bearer_Capability>
<RedirectingPartySubaddress>
<Type_of_subaddress>
(3)reserved</Type_of_subaddress>
<odd_even_indicator>
(1)odd number of address signals</odd_even_indicator>
<Subaddress_information>
<Subaddress>0xab</Subaddress>
</Subaddress_information>
</RedirectingPartySubaddress>
</Setup>
)"},
    // CC-ESTABLISHMENT has no direction tests; HLC II and the second recall
    // facility keep their sub-message frames.
    {"establishment_hlc_pair_and_recall_facilities", 0,
     "03 04 | 1C 01 A1 | 5D 01 A8 | 5E 01 91 | 6D 01 80 | 7D 02 91 81 | 7D 03 80 C1 85 | 7E 01 04 | 7F 01 01 | A1 | "
     "15 01 00 | 1D 00 | 1B 01 CC | 2D 01 02 | 40 00",
     R"(<CC_Establishment>
<GSM_Facility>
<Facility>0xa1</Facility>
</GSM_Facility>
<CallingPartySubaddress>
<Type_of_subaddress>
(2)User specified</Type_of_subaddress>
<odd_even_indicator>
(1)odd number of address signals</odd_even_indicator>
<Subaddress_information>0x</Subaddress_information>
</CallingPartySubaddress>
<CalledPartyBCDNum>
<Number_Planidentification>
(1)ISDN/telephony numbering plan</Number_Planidentification>
<Type_of_number>
(1)international number</Type_of_number>
<Number_digit>
</Number_digit>
</CalledPartyBCDNum>
<CalledPartySubaddress>
<Type_of_subaddress>
(0)NSAP</Type_of_subaddress>
<odd_even_indicator>
(0)even number of address signals</odd_even_indicator>
<Subaddress_information>
<Subaddress>0x</Subaddress>
</Subaddress_information>
</CalledPartySubaddress>
<submsg>
<subtitle>High layer compatibility I</subtitle>
<High_Layer_Comp>
<CodingStandard>0</CodingStandard>
<Interpretation>4</Interpretation>
<presentat_method_of_protocolprofile>1</presentat_method_of_protocolprofile>
<High_layer_characteristics>1</High_layer_characteristics>
<Extended_high_layer_characteristics_identification>0</Extended_high_layer_characteristics_identification>
</High_Layer_Comp>
</submsg>
<submsg>
<subtitle>High layer compatibility II</subtitle>
<High_Layer_Comp>
<CodingStandard>0</CodingStandard>
<Interpretation>0</Interpretation>
<presentat_method_of_protocolprofile>0</presentat_method_of_protocolprofile>
<High_layer_characteristics>65</High_layer_characteristics>
<Extended_high_layer_characteristics_identification>5</Extended_high_layer_characteristics_identification>
</High_Layer_Comp>
</submsg>
<User_user>
<User_user_protocol_discriminator>
(4)IA5 characters</User_user_protocol_discriminator>
<User_user_information>
<Information>0x</Information>
</User_user_information>
</User_user>
<SS_version>
<SsVersion>0x 1</SsVersion>
</SS_version>
<CLIR_suppression>
no detail</CLIR_suppression>
<Call_Control_Capabilities>
<DTMF>
(0)This value is reserved for earlier versions of the protocol.</DTMF>
<PCP>
(0)the mobile station does not support the Prolonged Clearing Procedure</PCP>
<Maximum_number_of_supported_bearers>
(0)1</Maximum_number_of_supported_bearers>
<Maximum_number_of_speech_bearers>0</Maximum_number_of_speech_bearers>
</Call_Control_Capabilities>
<Facility_advanced_recall_alignment>
<GSM_Facility>
<Facility>0x</Facility>
</GSM_Facility>
</Facility_advanced_recall_alignment>
<submsg>
<subtitle>Facility recall alignment Not essential</subtitle>
<GSM_Facility>
<Facility>0xcc</Facility>
</GSM_Facility>
</submsg>
<StreamIdentifier>2</StreamIdentifier>
<SupportedCodecList>
</SupportedCodecList>
</CC_Establishment>
)"},
};

// Messages with a fixed shape or no elements.
const Golden kCcShortGolden[] = {
    {"hold", 0, "03 18", "<Hold>\n</Hold>\n"},
    {"connect_acknowledge_single_line", 1, "03 CF", "<msgtype>Connect Acknowledge</msgtype>\n"},
    {"start_dtmf_keypad_hex", 1, "03 35 | 2C B1",
     "<Start_DTMF>\n<Keypad_facility>0x31</Keypad_facility>\n</Start_DTMF>\n"},
    {"start_dtmf_keypad_missing", 1, "03 35 | 2C", "<Start_DTMF>\n</Start_DTMF>\n"},
    {"recall_type_7", 0, "03 0B | 07 | 02 A1 05", R"(<Recall>
<Recall_Type>
(7)reserved</Recall_Type>
<GSM_Facility>
<Facility>0xa1 5</Facility>
</GSM_Facility>
</Recall>
)"},
    {"notify_bearer_change", 0, "03 3E | 82",
     "<Notify>\n<Notification_indicator>\n(2)Bearer change</Notification_indicator>\n</Notify>\n"},
    {"emergency_setup_empty_stream_identifier", 1, "03 0E | 2D 00 | 2E 01 E5", R"(<Emergency_Setup>
<Emergency_category>5</Emergency_category>
</Emergency_Setup>
)"},
    {"user_information_more_data", 0, "03 10 | 03 04 41 42 | A0", R"(<CC_User_Information>
<User_user>
<User_user_protocol_discriminator>
(4)IA5 characters</User_user_protocol_discriminator>
<User_user_information>
<Information>0x4142</Information>
</User_user_information>
</User_user>
<More_data>
User Information will followed</More_data>
</CC_User_Information>
)"},
    // User-user protocol 3 stops the element after its text.
    {"alerting_user_user_protocol_3", 0, "03 01 | 7E 02 03 55 | 7F 01 00 | 1E 02 EA 88", R"(<Alerting>
<User_user>
<User_user_protocol_discriminator>
(3)Reserved for system management convergence function<SS_version>
<SsVersion>0x 0</SsVersion>
</SS_version>
</Alerting>
)"},
    {"recall_type_3", 0, "03 0B | 03 | 00", R"(<Recall>
<Recall_Type>
(3)CCBS</Recall_Type>
<GSM_Facility>
<Facility>0x</Facility>
</GSM_Facility>
</Recall>
)"},
    // The network side shows the progress indicator and hides the SS version.
    {"alerting_dir1_progress_not_ss_version", 1, "03 01 | 1E 02 EA 88 | 7F 01 00", R"(<Alerting>
<Progress_Indicator>
<coding_standard>
(3)Standard defined for the GSM PLMNS</coding_standard>
<location>
(10)Network beyond interworking point</location>
<Progress_description>
(8)In-band information or appropriate pattern now available</Progress_description>
</Progress_Indicator>
</Alerting>
)"},
};

class CcGolden : public testing::TestWithParam<Golden> {};

TEST_P(CcGolden, DecodesToDocument) {
  tharvel_test::Decoded d = decode_hex(GetParam().direction, GetParam().hex);
  EXPECT_EQ(d.result, 1);
  EXPECT_TRUE(tharvel_test::closed(d.text));
  EXPECT_EQ(body_of(d.text), GetParam().document);
}

TEST_P(CcGolden, SurvivesEveryTruncation) {
  tharvel_test::decode_every_prefix(GetParam().direction, tharvel_test::octets(GetParam().hex));
}

INSTANTIATE_TEST_SUITE_P(Bearer, CcGolden, testing::ValuesIn(kCcBearerGolden), tharvel_test::golden_name);
INSTANTIATE_TEST_SUITE_P(Clearing, CcGolden, testing::ValuesIn(kCcClearingGolden), tharvel_test::golden_name);
INSTANTIATE_TEST_SUITE_P(Setup, CcGolden, testing::ValuesIn(kCcSetupGolden), tharvel_test::golden_name);
INSTANTIATE_TEST_SUITE_P(Short, CcGolden, testing::ValuesIn(kCcShortGolden), tharvel_test::golden_name);

// The full data chain cut after each value octet: the octet that the last
// extension bit announces shows with zero fields, nothing after it shows.
TEST(CcBearerChain, TruncatedAtEveryOctet) {
  struct Cut {
    int octets;
    const char* shown;
    const char* hidden;
  };
  const Cut kCuts[] = {
      {0, "<GSM_Bearer_Capability>\n</GSM_Bearer_Capability>", "<Coding_standard>"},
      {1, "(1)unrestricted digital information</Information_transfer_capability>", "<compress>"},
      {2, "<Establishment>\n(0)demand", "<Access_identity>"},
      {3, "<Signalling_access_protocol>", "<Layer_1_identity>"},
      {4, "<Number_of_Stop_Bits>\n(0)1 bit", "<Intermediate_rate>"},
      {5, "<Intermediate_rate>\n(0)reserved", "<Connection_element>"},
      {6, "<Modem_type>\n(0)none", "<Other_modem_type>"},
      {7, "<Fixed_network_user_rate>\n(0)Fixed network user rate not applicable", "<Acceptable_channel_codings>"},
      {8, "(0)1 TCH</Maximum_number_of_traffic_channels>", "<UIMI"},
      {9, "(0)User initiated modification not allowed/required/applicable", "<Acceptable_Channel_Codings_extended>"},
      {10, "(0)Channel coding symmetry preferred", "<Layer_2_identity>"},
      {11, "(3)Unused", "<Layer_2_identity>"},
      {12, "<Layer_2_identity>\n(2)octet identifier", "<Coding>"},
  };
  const std::vector<uint8_t> chain = tharvel_test::octets("A1 88 80 21 15 63 21 44 51 24 DC C8");
  for (const Cut& c : kCuts) {
    std::vector<uint8_t> msg(4 + c.octets);
    msg[0] = 0x03;
    msg[1] = 0x05;
    msg[2] = 0x04;
    msg[3] = static_cast<uint8_t>(c.octets);
    for (int i = 0; i < c.octets; ++i) msg[4 + i] = chain[i];
    const std::string body = body_of(tharvel_test::decode_octets(0, msg).text);
    EXPECT_NE(body.find(c.shown), std::string::npos) << c.octets << " octets:\n" << body;
    EXPECT_EQ(body.find(c.hidden), std::string::npos) << c.octets << " octets:\n" << body;
    const std::string tail = "</GSM_Bearer_Capability>\n</Bearer_capability1>\n</Setup>\n";
    EXPECT_EQ(body.substr(body.size() - tail.size()), tail) << c.octets << " octets";
  }
}

TEST(CcCorpus, EveryMessageClosesAndSurvivesTruncation) {
  const std::vector<tharvel_test::CorpusMessage> messages = tharvel_test::corpus_of_pd(3);
  EXPECT_FALSE(messages.empty());
  for (const tharvel_test::CorpusMessage& m : messages) {
    tharvel_test::Decoded d = tharvel_test::decode_octets(m.direction, m.octets);
    EXPECT_EQ(d.result, 1) << m.line;
    EXPECT_TRUE(tharvel_test::closed(d.text)) << m.line;
    tharvel_test::decode_every_prefix(m.direction, m.octets);
  }
}

}  // namespace
