#include <gtest/gtest.h>

#include <string>

#include "api/registry.h"
#include "sm/qos.h"
#include "sm/sm_records.h"
#include "test_util.h"

namespace {

// QoS value octets 23 92 1f: reliability 3, delay 4, peak 9, precedence 2, mean 31.
#define QOS_GPRS23921F                                                                  \
  "<Quality_of_service>\n"                                                              \
  "<Reliability_class>\n"                                                               \
  "(3)Unacknowledged GTP and LLC Acknowledged RLC Protected data</Reliability_class>\n" \
  "<Delay_class>\n"                                                                     \
  "(4)Delay class 4</Delay_class>\n"                                                    \
  "<Precedence_class>\n"                                                                \
  "(2)Normal priority</Precedence_class>\n"                                             \
  "<Peak_throughput>\n"                                                                 \
  "(9)Up to 256 000 octet per s</Peak_throughput>\n"                                    \
  "<Mean_throughput>\n"                                                                 \
  "(31)Best effort</Mean_throughput>\n"

#define QOS_GPRS_SUBSCRIBED                               \
  "<Quality_of_service>\n"                                \
  "<Reliability_class>\n"                                 \
  "(0)Subscribed reliability class</Reliability_class>\n" \
  "<Delay_class>\n"                                       \
  "(0)Subscribed delay class</Delay_class>\n"             \
  "<Precedence_class>\n"                                  \
  "(0)Subscribed precedence</Precedence_class>\n"         \
  "<Peak_throughput>\n"                                   \
  "(0)Subscribed peak throughput</Peak_throughput>\n"     \
  "<Mean_throughput>\n"                                   \
  "(0)Subscribed mean throughput</Mean_throughput>\n"

// UMTS octets absent, read on the network side.
#define QOS_UMTS_SUBSCRIBED                                                           \
  "<Delivery_of_erroneous_SDUs>\n"                                                    \
  "(0)Subscribed delivery of erroneous SDUs</Delivery_of_erroneous_SDUs>\n"           \
  "<Delivery_order>\n"                                                                \
  "(0)Subscribed delivery order</Delivery_order>\n"                                   \
  "<Traffic_class>\n"                                                                 \
  "(0)Subscribed traffic class</Traffic_class>\n"                                     \
  "<Maximum_SDU_size>\n"                                                              \
  "(0)Subscribed maximum SDU size</Maximum_SDU_size>\n"                               \
  "<Maximum_bit_rate_for_uplink>\n"                                                   \
  "(0)Subscribed maximum bit rate for uplink</Maximum_bit_rate_for_uplink>\n"         \
  "<Maximum_bit_rate_for_downlink>\n"                                                 \
  "(0)Subscribed maximum bit rate for Downlink</Maximum_bit_rate_for_downlink>\n"     \
  "<Residual_Bit_Error_Rate>\n"                                                       \
  "(0)Subscribed residual BER</Residual_Bit_Error_Rate>\n"                            \
  "<SDU_error_ratio>\n"                                                               \
  "(0)Subscribed SDU error ratio</SDU_error_ratio>\n"                                 \
  "<Traffic_handling_priority>\n"                                                     \
  "(0)Subscribed traffic handling priority</Traffic_handling_priority>\n"             \
  "<Transfer_delay>\n"                                                                \
  "(0)Subscribed transfer delay</Transfer_delay>\n"                                   \
  "<Guaranteed_bit_rate_for_uplink>\n"                                                \
  "(0)Subscribed Guaranteed bit rate for uplink</Guaranteed_bit_rate_for_uplink>\n"   \
  "<Guaranteed_bit_rate_for_downlink>\n"                                              \
  "(0)Subscribed Guaranteed bit rate for uplink</Guaranteed_bit_rate_for_downlink>\n" \
  "<Source_Statistics_Descriptor>\n"                                                  \
  "(0)unknown</Source_Statistics_Descriptor>\n"                                       \
  "</Quality_of_service>\n"

#define PCO_EMPTY                      \
  "<Protocol_Configuration_Options>\n" \
  "<Configurationprotocol>\n"          \
  "(0)PPP for use with IP PDP type</Configurationprotocol></Protocol_Configuration_Options>\n"

// Documents are assembled from the QoS and options fragments above.
using tharvel_test::Golden;

const Golden kSmGolden[] = {
    // Requests that carry QoS and a PDP address.
    {"activate_request_ipv4_apn_pco", 0,
     "0a 41 | 05 | 03 | 03 23 92 1f | 06 01 21 0a 01 02 03 | 28 0d 08 696e7465726e6574 03 636f6d |"
     "27 0d 80 8021 02 aabb 000d 00 0003 01 05",
     R"(<Activate_PDP_Context_Request>
<Requested_NSAPI>
<Network_service_access_point_identifier>
(5)NSAPI 5</Network_service_access_point_identifier>
</Requested_NSAPI>
<Requested_LLC_SAPI>
<LLC_service_access_point_identifier>
(3)SAPI 3</LLC_service_access_point_identifier>
</Requested_LLC_SAPI>
<Requested_QoS>
)" QOS_GPRS23921F QOS_UMTS_SUBSCRIBED R"(</Requested_QoS>
<Requested_PDP_address>
<Packet_data_protocol_address>
<PDP_type>
(1)IETF allocated address</PDP_type>
<PDP_type_number_value>
(33)IPv4 address</PDP_type_number_value>
<Address_information>
<Address_Length>4</Address_Length>
<Address>
10.1.2.3.</Address>
</Address_information>
</Packet_data_protocol_address>
</Requested_PDP_address>
<Access_Point_Name>
_internet_com</Access_Point_Name>
<Protocol_Configuration_Options>
<Configurationprotocol>
(0)PPP for use with IP PDP type</Configurationprotocol><protocols>
<Protocol_ID>0x8021</Protocol_ID>
<Protocol_contents>0xaabb</Protocol_contents>
<Protocol_ID>0xd</Protocol_ID>
<Protocol_contents>0x</Protocol_contents>
<Protocol_ID>0x3</Protocol_ID>
<Protocol_contents>0x 5</Protocol_contents>
</protocols>
</Protocol_Configuration_Options>
</Activate_PDP_Context_Request>
)"},
    // Uplink: value 0 reads "Reserved", no descriptor; NSAPI 4 and SAPI 7 have no text.
    {"activate_request_uplink_without_texts", 1, "0a 41 | 04 | 07 | 03 000000 | 02 0f 00",
     R"(<Activate_PDP_Context_Request>
<Requested_NSAPI>
<Network_service_access_point_identifier>
(4)</Requested_NSAPI>
<Requested_LLC_SAPI>
<LLC_service_access_point_identifier>
(7)</Requested_LLC_SAPI>
<Requested_QoS>
<Quality_of_service>
<Reliability_class>
(0)Reserved</Reliability_class>
<Delay_class>
(0)Reserved</Delay_class>
<Precedence_class>
(0)Reserved</Precedence_class>
<Peak_throughput>
(0)Reserved</Peak_throughput>
<Mean_throughput>
(0)Reserved</Mean_throughput>
<Delivery_of_erroneous_SDUs>
(0)Reserved</Delivery_of_erroneous_SDUs>
<Delivery_order>
(0)Reserved</Delivery_order>
<Traffic_class>
(0)Reserved</Traffic_class>
<Maximum_SDU_size>
(0)Reserved</Maximum_SDU_size>
<Maximum_bit_rate_for_uplink>
(0)Reserved</Maximum_bit_rate_for_uplink>
<Maximum_bit_rate_for_downlink>
(0)Reserved</Maximum_bit_rate_for_downlink>
<Residual_Bit_Error_Rate>
(0)Reserved</Residual_Bit_Error_Rate>
<SDU_error_ratio>
(0)Reserved</SDU_error_ratio>
<Traffic_handling_priority>
(0)Reserved</Traffic_handling_priority>
<Transfer_delay>
(0)Reserved</Transfer_delay>
<Guaranteed_bit_rate_for_uplink>
(0)Reserved</Guaranteed_bit_rate_for_uplink>
<Guaranteed_bit_rate_for_downlink>
(0)Reserved</Guaranteed_bit_rate_for_downlink>
</Quality_of_service>
</Requested_QoS>
<Requested_PDP_address>
<Packet_data_protocol_address>
<PDP_type>
(15)reserved</PDP_type>
<PDP_type_number_value>
(0)reserved</PDP_type_number_value>
</Packet_data_protocol_address>
</Requested_PDP_address>
</Activate_PDP_Context_Request>
)"},
    // The QoS LV runs one octet past the message: nothing from it on is read,
    // so not even the direction reaches the QoS part.
    {"activate_request_truncated_qos", 1, "0a 41 | 05 | 03 | 05 23921f00",
     R"(<Activate_PDP_Context_Request>
<Requested_NSAPI>
<Network_service_access_point_identifier>
(5)NSAPI 5</Network_service_access_point_identifier>
</Requested_NSAPI>
<Requested_LLC_SAPI>
<LLC_service_access_point_identifier>
(3)SAPI 3</LLC_service_access_point_identifier>
</Requested_LLC_SAPI>
<Requested_QoS>
)" QOS_GPRS_SUBSCRIBED QOS_UMTS_SUBSCRIBED R"(</Requested_QoS>
<Requested_PDP_address>
<Packet_data_protocol_address>
<PDP_type>
(0)ETSI allocated address</PDP_type>
<PDP_type_number_value>
(0)reserved</PDP_type_number_value>
</Packet_data_protocol_address>
</Requested_PDP_address>
</Activate_PDP_Context_Request>
)"},
    // AA request: the direction reaches the PDP address (organisation 15
    // with its octets ignored) but not the QoS.
    {"aa_request_empty_pdp_type_uplink_timer", 1, "0a 50 | 06 | 05 | 03 000000 | 06 0f 21 01020304 | 17 21",
     R"(<Activate_GSM_AA_PDP_Context_Request>
<Requested_NSAPI>
<Network_service_access_point_identifier>
(6)NSAPI 6</Network_service_access_point_identifier>
</Requested_NSAPI>
<Requested_LLC_SAPI>
<LLC_service_access_point_identifier>
(5)SAPI 5</LLC_service_access_point_identifier>
</Requested_LLC_SAPI>
<Requested_QoS>
)" QOS_GPRS_SUBSCRIBED QOS_UMTS_SUBSCRIBED R"(</Requested_QoS>
<Requested_PDP_address>
<Packet_data_protocol_address>
<PDP_type>
(15)reserved</PDP_type>
<PDP_type_number_value>
(33)IPv4 address</PDP_type_number_value>
</Packet_data_protocol_address>
</Requested_PDP_address>
<AA_READY_timer_value>
<GPRS_Timer><Unit>
(1)value is incremented in multiples of 1 minute</Unit>
<Timer_value>1</Timer_value>
</GPRS_Timer></AA_READY_timer_value>
</Activate_GSM_AA_PDP_Context_Request>
)"},
    {"request_activation_ipv6", 0, "0a 44 | 12 01 57 20010db8000000000000000000000001",
     R"(<Request_PDP_Context_Activation>
<Offered_PDP_address>
<Packet_data_protocol_address>
<PDP_type>
(1)IETF allocated address</PDP_type>
<PDP_type_number_value>
(87)IPv6 address</PDP_type_number_value>
<Address_information>
<Address_Length>16</Address_Length>
<Address>
32.1.13.184.0.0.0.0.0.0.0.0.0.0.0.1.</Address>
</Address_information>
</Packet_data_protocol_address>
</Offered_PDP_address>
</Request_PDP_Context_Activation>
)"},
    // Accepts. 15 QoS octets: extended octets 0xff 0xff 0xfe replace the maximum
    // downlink, guaranteed downlink and maximum uplink rates (past the last
    // defined value: 256 Mbps); the dual-stack address keeps all 20 octets.
    {"activate_accept_qos15_dual_stack_pfi", 0,
     "0a 42 | 0b | 0f 23921f 73 96 40 80 74 43 3f 7f 11 ffff fe | 02 |"
     "2b 16 01 8d 0a010203 20010db8000000000000000000000001 | 34 01 02",
     R"(<Activate_PDP_Context_Accept>
<Negotiated_LLC_SAPI>
<LLC_service_access_point_identifier>
(11)SAPI 11</LLC_service_access_point_identifier>
</Negotiated_LLC_SAPI>
<Negotiated_QoS>
)" QOS_GPRS23921F R"(<Delivery_of_erroneous_SDUs>
(3)Erroneous SDUs are not delivered</Delivery_of_erroneous_SDUs>
<Delivery_order>
(2)Without delivery order</Delivery_order>
<Traffic_class>
(3)Interactive class</Traffic_class>
<Maximum_SDU_size>
(150)1500 octets
</Maximum_SDU_size>
<Maximum_bit_rate_for_uplink>
(64)256 Mbps
</Maximum_bit_rate_for_uplink>
<Maximum_bit_rate_for_downlink>
(128)256 Mbps
</Maximum_bit_rate_for_downlink>
<Residual_Bit_Error_Rate>
(7)1*10-5</Residual_Bit_Error_Rate>
<SDU_error_ratio>
(4)1*10-4</SDU_error_ratio>
<Traffic_handling_priority>
(3)Priority level 3</Traffic_handling_priority>
<Transfer_delay>
(16)200  ms
</Transfer_delay>
<Guaranteed_bit_rate_for_uplink>
(63)63 kbps
</Guaranteed_bit_rate_for_uplink>
<Guaranteed_bit_rate_for_downlink>
(127)256 Mbps
</Guaranteed_bit_rate_for_downlink>
<Source_Statistics_Descriptor>
(1)speech</Source_Statistics_Descriptor>
</Quality_of_service>
</Negotiated_QoS>
<Radio_priority>
(2)priority level 2</Radio_priority>
<Packet_data_protocol_address>
<PDP_type>
(1)IETF allocated address</PDP_type>
<PDP_type_number_value>
(141)reserved</PDP_type_number_value>
<Address_information>
<Address_Length>20</Address_Length>
<Address>
10.1.2.3.32.1.13.184.0.0.0.0.0.0.0.0.0.0.0.1.</Address>
</Address_information>
</Packet_data_protocol_address>
<Packet_Flow_Identifier>
(2)SMS</Packet_Flow_Identifier>
</Activate_PDP_Context_Accept>
)"},
    // The packet flow identifier is wrapped twice here.
    {"secondary_accept_wrapped_elements", 0, "0a 4e | 00 | 03 23921f | 01 | 34 01 40 | 27 01 80",
     R"(<Activate_AA_PDP_Context_Accept>
<Negotiated_LLC_SAPI>
<LLC_service_access_point_identifier>
(0)LLC SAPI not assigned</LLC_service_access_point_identifier>
</Negotiated_LLC_SAPI>
<Negotiated_QoS>
)" QOS_GPRS23921F QOS_UMTS_SUBSCRIBED R"(</Negotiated_QoS>
<Radio_priority>
<Radio_priority>
(1)priority level 1</Radio_priority>
</Radio_priority>
<Packet_Flow_Identifier>
<Packet_Flow_Identifier>
(64)dynamically assigned</Packet_Flow_Identifier>
</Packet_Flow_Identifier>
<Protocol_configuration_options>
)" PCO_EMPTY R"(</Protocol_configuration_options>
</Activate_AA_PDP_Context_Accept>
)"},
    // An empty packet flow identifier is not shown.
    {"modify_accept_dl_radio_priority_only", 1, "0a 4b | 83 | 34 00",
     R"(<Modify_PDP_Context_Accept_DL>
<New_radio_priority>
<Radio_priority>
(3)priority level 3</Radio_priority>
</New_radio_priority>
</Modify_PDP_Context_Accept_DL>
)"},
    // Rendered in the documented order, not the order of arrival; the QoS keeps the network-side texts.
    {"modify_accept_dl_all_elements", 1, "0a 4b | 32 0b | 30 03 23921f | 81 | 34 01 00 | 27 01 80",
     R"(<Modify_PDP_Context_Accept_DL>
<Requested_new_QoS>
)" QOS_GPRS23921F QOS_UMTS_SUBSCRIBED R"(</Requested_new_QoS>
<Negotiated_LLC_SAPI>
<LLC_service_access_point_identifier>
(11)SAPI 11</LLC_service_access_point_identifier>
</Negotiated_LLC_SAPI>
<New_radio_priority>
<Radio_priority>
(1)priority level 1</Radio_priority>
</New_radio_priority>
<Packet_Flow_Identifier>
(0)Best Effort</Packet_Flow_Identifier>
)" PCO_EMPTY R"(</Modify_PDP_Context_Accept_DL>
)"},
    // Traffic flow templates.
    {"modify_request_ul_sapi_qos_tft", 1, "0a 4a | 32 03 | 30 03 23921f | 37 07 21 10 00 03 301006",
     R"(<Modify_PDP_Context_Request_UL>
<Requested_LLC_SAPI>
<LLC_service_access_point_identifier>
(3)SAPI 3</LLC_service_access_point_identifier>
</Requested_LLC_SAPI>
<Requested_new_QoS>
)" QOS_GPRS23921F QOS_UMTS_SUBSCRIBED R"(</Requested_new_QoS>
<New_TFT>
<TrafficFlowTemplate>
<TFT_operation_code>
(1)Create new TFT</TFT_operation_code>
<Packet_filter>
<Packet_filter_identifier>0x10</Packet_filter_identifier>
<Packet_filter_evaluation_precedence>0x0</Packet_filter_evaluation_precedence>
<Packet_filter_contents>0x3010 6</Packet_filter_contents>
</Packet_filter>
<E_bit>
(0)parameters list is not included</E_bit>
</TrafficFlowTemplate>
</New_TFT>
</Modify_PDP_Context_Request_UL>
)"},
    {"modify_request_ul_tft_parameters", 0, "0a 4a | 37 0a 71 21 ff 02 0102 | 05 02 abcd",
     R"(<Modify_PDP_Context_Request_UL>
<New_TFT>
<TrafficFlowTemplate>
<TFT_operation_code>
(3)Add packet filters to existing TFT</TFT_operation_code>
<Packet_filter>
<Packet_filter_identifier>0x21</Packet_filter_identifier>
<Packet_filter_evaluation_precedence>0xff</Packet_filter_evaluation_precedence>
<Packet_filter_contents>0x 1 2</Packet_filter_contents>
</Packet_filter>
<E_bit>
(1)parameters list is included</E_bit>
<Parameters>
<Parameter_identifier>0x5</Parameter_identifier>
<Parameter_contents>0xabcd</Parameter_contents>
</Parameters>
</TrafficFlowTemplate>
</New_TFT>
</Modify_PDP_Context_Request_UL>
)"},
    // Operation code 0 has no text: the template stops, the message goes on.
    {"modify_request_ul_tft_code_0", 0, "0a 4a | 37 01 00 | 27 01 80",
     R"(<Modify_PDP_Context_Request_UL>
<New_TFT>
<TrafficFlowTemplate>
<TFT_operation_code>
(0)</New_TFT>
)" PCO_EMPTY R"(</Modify_PDP_Context_Request_UL>
)"},
    // Causes and options.
    {"activate_reject_cause_36_ppp", 1, "0a 43 | 24 | 27 01 81",
     R"(<Activate_PDP_Context_Reject>
<Cause>
(36)Regular deactivation </Cause>
<Protocol_Configuration_Options>
<Configurationprotocol>
(1)PPP
</Configurationprotocol></Protocol_Configuration_Options>
</Activate_PDP_Context_Reject>
)"},
    {"status_unlisted_cause_network_side", 0, "0a 55 | 70",
     "<SM_Status>\n<Cause>\n(112)Protocol error, unspecified</Cause>\n</SM_Status>\n"},
    {"status_unlisted_cause_ms_side", 1, "0a 55 | 70",
     "<SM_Status>\n<Cause>\n(112)Service option temporarily out of order</Cause>\n</SM_Status>\n"},
    {"reject_without_cause", 0, "0a 45",
     "<Request_PDP_Context_Activation_Reject>\n<Cause>\n(0)Protocol error, unspecified</Cause>\n"
     "</Request_PDP_Context_Activation_Reject>\n"},
    {"deactivate_request_tear_down_pco", 0, "0a 46 | 24 | 91 | 27 05 80 000c 01 07",
     R"(<Deactivate_PDP_Context_Request>
<Cause>
(36)Regular deactivation </Cause>
<Tear_Down_Indicator>
(1)tear down requested</Tear_Down_Indicator>
<Protocol_Configuration_Options>
<Configurationprotocol>
(0)PPP for use with IP PDP type</Configurationprotocol><protocols>
<Protocol_ID>0xc</Protocol_ID>
<Protocol_contents>0x 7</Protocol_contents>
</protocols>
</Protocol_Configuration_Options>
</Deactivate_PDP_Context_Request>
)"},
    // A second options element is stepped over, the first kept; 0xff ends the walk.
    {"deactivate_accept_repeated_pco_unknown_iei", 1, "0a 47 | 27 05 81 000c 01 07 | 27 01 80 | ff | 27 01 81",
     "<Deactivate_PDP_Context_Accept>\n<Protocol_Configuration_Options>\n<Configurationprotocol>\n(1)PPP\n"
     "</Configurationprotocol><protocols>\n<Protocol_ID>0xc</Protocol_ID>\n<Protocol_contents>0x "
     "7</Protocol_contents>\n"
     "</protocols>\n</Protocol_Configuration_Options>\n</Deactivate_PDP_Context_Accept>\n"},
    {"modify_reject_wrapped", 1, "0a 4c | 1a | 27 01 80",
     R"(<Modify_PDP_Context_Reject>
<SM_cause>
<Cause>
(26)Insufficient resources </Cause>
</SM_cause>
<Protocol_configuration_options>
)" PCO_EMPTY R"(</Protocol_configuration_options>
</Modify_PDP_Context_Reject>
)"},
    {"aa_reject_cause_8", 1, "0a 52 | 08",
     "<Activate_GSM_AA_PDP_Context_Reject>\n<Cause>\n(8)Operator Determined Barring </Cause>\n"
     "</Activate_GSM_AA_PDP_Context_Reject>\n"},
    // The PDP address goes unwrapped after the P-TMSI.
    {"aa_accept_ptmsi_timer", 1, "0a 51 | 03 | 03 23921f | 05 f4 12345678 | 06 01 21 0a010203 | 03 | 17 21",
     R"(<Activate_GSM_AA_PDP_Context_Accept>
<Negotiated_LLC_SAPI>
<LLC_service_access_point_identifier>
(3)SAPI 3</LLC_service_access_point_identifier>
</Negotiated_LLC_SAPI>
<Negotiated_QoS>
)" QOS_GPRS23921F QOS_UMTS_SUBSCRIBED R"(</Negotiated_QoS>
<Allocated_P_TMSI>
<Mobile_Identity><Type_of_identity>
(4)TMSI/P-TMSI</Type_of_identity>
<odd_even_indication>
(0)even</odd_even_indication>
<Identity_Digits>
0x21436587</Identity_Digits>
</Mobile_Identity></Allocated_P_TMSI>
<Packet_data_protocol_address>
<PDP_type>
(1)IETF allocated address</PDP_type>
<PDP_type_number_value>
(33)IPv4 address</PDP_type_number_value>
<Address_information>
<Address_Length>4</Address_Length>
<Address>
10.1.2.3.</Address>
</Address_information>
</Packet_data_protocol_address>
<Radio_priority>
(3)priority level 3</Radio_priority>
<Negotiated_AA_READY_timer_value>
<GPRS_Timer><Unit>
(1)value is incremented in multiples of 1 minute</Unit>
<Timer_value>1</Timer_value>
</GPRS_Timer></Negotiated_AA_READY_timer_value>
</Activate_GSM_AA_PDP_Context_Accept>
)"},
    // Network-side modify: the direction reaches neither the QoS nor the
    // optional PDP address, so organisation 15 reads "Empty PDP type".
    {"modify_request_dl_empty_pdp_type_pfi_pco", 1, "0a 48 | 02 | 05 | 03 23921f | 34 01 03 | 2b 02 0f 21 | 27 01 80",
     R"(<Modify_PDP_Context_Request_DL>
<Radio_priority>
(2)priority level 2</Radio_priority>
<Requested_LLC_SAPI>
<LLC_service_access_point_identifier>
(5)SAPI 5</LLC_service_access_point_identifier>
</Requested_LLC_SAPI>
<New_QoS>
)" QOS_GPRS23921F QOS_UMTS_SUBSCRIBED R"(</New_QoS>
<Packet_data_protocol_address>
<PDP_type>
(15)Empty PDP type</PDP_type>
<PDP_type_number_value>
(33)IPv4 address</PDP_type_number_value>
</Packet_data_protocol_address>
<Packet_Flow_Identifier>
(3)TOM8</Packet_Flow_Identifier>
)" PCO_EMPTY R"(</Modify_PDP_Context_Request_DL>
)"},
    // The access point name is not an element of this message: it ends the walk.
    {"modify_accept_ul_apn_ends_walk", 0, "0a 49 | 28 01 41 | 27 01 80",
     "<Modify_PDP_Context_Accept_UL>\n</Modify_PDP_Context_Accept_UL>\n"},
    {"modify_accept_ul_pco", 0, "0a 49 | 27 01 80",
     "<Modify_PDP_Context_Accept_UL>\n" PCO_EMPTY "</Modify_PDP_Context_Accept_UL>\n"},
    // Secondary request: linked TI shown as not implemented; the template is not wrapped.
    {"secondary_request_linked_ti_tft_pco", 0, "0a 4d | 0f | 00 | 03 23921f | 01 80 | 36 04 41 07 80 00 | 27 01 80",
     R"(<Activate_AA_PDP_Context_Request>
<Requested_NSAPI>
<Network_service_access_point_identifier>
(15)NSAPI 15</Network_service_access_point_identifier>
</Requested_NSAPI>
<Requested_LLC_SAPI>
<LLC_service_access_point_identifier>
(0)LLC SAPI not assigned</LLC_service_access_point_identifier>
</Requested_LLC_SAPI>
<Requested_QoS>
)" QOS_GPRS23921F QOS_UMTS_SUBSCRIBED R"(</Requested_QoS>
<Linked_TI>
<NOT_IMPLEMENTED>
</NOT_IMPLEMENTED>
</Linked_TI>
<TrafficFlowTemplate>
<TFT_operation_code>
(2)Delete existing TFT</TFT_operation_code>
<Packet_filter>
<Packet_filter_identifier>0x7</Packet_filter_identifier>
<Packet_filter_evaluation_precedence>0x80</Packet_filter_evaluation_precedence>
<Packet_filter_contents>0x</Packet_filter_contents>
</Packet_filter>
<E_bit>
(0)parameters list is not included</E_bit>
</TrafficFlowTemplate>
)" PCO_EMPTY R"(</Activate_AA_PDP_Context_Request>
)"},
    {"modify_request_ul_tft_code_7", 0, "0a 4a | 37 01 e0",
     R"(<Modify_PDP_Context_Request_UL>
<New_TFT>
<TrafficFlowTemplate>
<TFT_operation_code>
(7) Reserved</TFT_operation_code>
<E_bit>
(0)parameters list is not included</E_bit>
</TrafficFlowTemplate>
</New_TFT>
</Modify_PDP_Context_Request_UL>
)"},
    {"secondary_reject_cause_81_wrapped_pco", 1, "0a 4f | 51 | 27 01 80",
     R"(<Activate_AA_PDP_Context_Reject>
<Cause>
(81)Invalid transaction identifier value </Cause>
<Protocol_configuration_options>
)" PCO_EMPTY R"(</Protocol_configuration_options>
</Activate_AA_PDP_Context_Reject>
)"},
    // Tear down indicator 0; the cause without text falls back by the kept direction.
    {"deactivate_request_tear_down_0", 1, "0a 46 | 07 | 90",
     R"(<Deactivate_PDP_Context_Request>
<Cause>
(7)Service option temporarily out of order</Cause>
<Tear_Down_Indicator>
(0)tear down not requested</Tear_Down_Indicator>
</Deactivate_PDP_Context_Request>
)"},
    // Label lengths, the blank, DEL and octets from 128 up all print as "_".
    {"request_activation_apn_unprintable_octets", 0, "0a 44 | 02 00 21 | 28 06 03 41 20 21 7f e1",
     R"(<Request_PDP_Context_Activation>
<Offered_PDP_address>
<Packet_data_protocol_address>
<PDP_type>
(0)ETSI allocated address</PDP_type>
<PDP_type_number_value>
(33)IPv4 address</PDP_type_number_value>
</Packet_data_protocol_address>
</Offered_PDP_address>
<Access_Point_Name>
_A_!__</Access_Point_Name>
</Request_PDP_Context_Activation>
)"},
    {"aa_deactivate_request_cause_0", 0, "0a 53 | 00",
     "<Deactivate_GSM_PDP_Context_Request>\n<AA_Deactivation_Cause>\n(0)Normal Unspecified</AA_Deactivation_Cause>\n"
     "</Deactivate_GSM_PDP_Context_Request>\n"},
    {"aa_deactivate_request_cause_1", 0, "0a 53 | 01",
     "<Deactivate_GSM_PDP_Context_Request>\n<AA_Deactivation_Cause>\n(1)Server Address Voilation"
     "</AA_Deactivation_Cause>\n</Deactivate_GSM_PDP_Context_Request>\n"},
    {"aa_deactivate_request_cause_3", 1, "0a 53 | 03",
     "<Deactivate_GSM_PDP_Context_Request>\n<AA_Deactivation_Cause>\n(3)NetWork Not Reachable"
     "</AA_Deactivation_Cause>\n</Deactivate_GSM_PDP_Context_Request>\n"},
    {"aa_deactivate_request_cause_4", 1, "0a 53 | 04",
     "<Deactivate_GSM_PDP_Context_Request>\n<AA_Deactivation_Cause>\n(4)Normal Unspecified"
     "</AA_Deactivation_Cause>\n</Deactivate_GSM_PDP_Context_Request>\n"},
    {"aa_deactivate_request_cause_2", 0, "0a 53 | 02",
     "<Deactivate_GSM_PDP_Context_Request>\n<AA_Deactivation_Cause>\n(2)NetWork Overload</AA_Deactivation_Cause>\n"
     "</Deactivate_GSM_PDP_Context_Request>\n"},
    {"aa_deactivate_accept", 0, "0a 54", "<Deactivate_GSM_PDP_Context_Accept>\n</Deactivate_GSM_PDP_Context_Accept>\n"},
};

class SmMessages : public testing::TestWithParam<Golden> {};

TEST_P(SmMessages, DecodesToDocument) {
  const Golden& g = GetParam();
  tharvel_test::Decoded d = tharvel_test::decode_hex(g.direction, g.hex);
  EXPECT_EQ(d.result, 1);
  EXPECT_TRUE(tharvel_test::closed(d.text));
  EXPECT_EQ(tharvel_test::body_of(d.text), g.document);
}

TEST_P(SmMessages, SurvivesEveryTruncation) {
  tharvel_test::decode_every_prefix(GetParam().direction, tharvel_test::octets(GetParam().hex));
}

INSTANTIATE_TEST_SUITE_P(Sm, SmMessages, testing::ValuesIn(kSmGolden), tharvel_test::golden_name);

}  // namespace

namespace l3 {
namespace {

// One field of a rendered QoS: what stands between its tags.
struct QosRuleCase {
  uint8_t direction;
  const char* value_octets;
  const char* field;  // element name as in the document
  const char* text;
};

const QosRuleCase kQosRules[] = {
    {0, "000000 00 00 3f", "Maximum_bit_rate_for_uplink", "(63)63 kbps\n"},
    {0, "000000 00 00 40", "Maximum_bit_rate_for_uplink", "(64)64 kbps\n"},
    {0, "000000 00 00 7f", "Maximum_bit_rate_for_uplink", "(127)568 kbps\n"},
    {0, "000000 00 00 80", "Maximum_bit_rate_for_uplink", "(128)576 kbps\n"},
    {0, "000000 00 00 fe", "Maximum_bit_rate_for_uplink", "(254)8640 kbps\n"},
    {0, "000000 00 00 ff", "Maximum_bit_rate_for_uplink", "(255)0kbps"},
    // Each rate follows its own value, not the other field's range.
    {0, "000000 00 00 48 00 00 00 90", "Maximum_bit_rate_for_uplink", "(72)128 kbps\n"},
    {0, "000000 00 00 48 00 00 00 90", "Guaranteed_bit_rate_for_uplink", "(144)1600 kbps\n"},
    {0, "000000 00 00 00 00 00 3c", "Transfer_delay", "(15)150  ms\n"},
    {0, "000000 00 00 00 00 00 40", "Transfer_delay", "(16)200  ms\n"},
    {0, "000000 00 00 00 00 00 7c", "Transfer_delay", "(31)950  ms\n"},
    {0, "000000 00 00 00 00 00 80", "Transfer_delay", "(32)1000  ms\n"},
    {0, "000000 00 00 00 00 00 fc", "Transfer_delay", "(63)4100  ms\n"},
    {0, "000000 00 01", "Maximum_SDU_size", "(1)Reserved"},
    {0, "000000 00 02", "Maximum_SDU_size", "(2)20 octets\n"},
    {0, "000000 00 97", "Maximum_SDU_size", "(151)1502 octets"},
    {0, "000000 00 99", "Maximum_SDU_size", "(153)1520 octets"},
    {0, "000000 00 9a", "Maximum_SDU_size", "(154)return a negotiated"},
    {1, "000000 00 9a", "Maximum_SDU_size", "(154)reserved"},
    {1, "000000 00 ff", "Maximum_SDU_size", "(255)Reserved"},
    {0, "000000 04", "Delivery_of_erroneous_SDUs", "(4)return a negotiated"},
    {0, "000000 a0", "Traffic_class", "(5)return a negotiated"},
    {1, "000000 00 00 00 00 a0", "Residual_Bit_Error_Rate", "(10)reserved"},
    {0, "00 30", "Peak_throughput", "(3)Up to 4 000 octet  per s"},
    {0, "00 31", "Precedence_class", "(1)High priority"},
    {0, "00 30 13", "Mean_throughput", "(19)Best effort "},
    {0, "00 30 1e", "Mean_throughput", "(30)Reserved"},
    {0, "00 a0", "Peak_throughput", "(10)Up to 1 000 octet per s"},
    {0, "06", "Reliability_class", "(6)Unacknowledged GTP and LLC Acknowledged RLC Protected data"},
    {1, "00", "Reliability_class", "(0)Reserved"},
    {0, "28", "Delay_class", "(5)Delay class 4"},
    // 11 octets end on the guaranteed downlink rate; 13 carry the descriptor
    // and the extended maximum downlink rate, which replaces octet 7's 576 kbps
    // (0xff is past the last defined value: the highest rate).
    {0, "23921f 73 96 40 80 74 43 3f fe", "Guaranteed_bit_rate_for_downlink", "(254)8640 kbps\n"},
    {0, "23921f 73 96 40 80 74 43 3f fe", "Source_Statistics_Descriptor", "(0)unknown"},
    {0, "23921f 73 96 40 80 74 43 3f fe 01 ff", "Source_Statistics_Descriptor", "(1)speech"},
    {0, "23921f 73 96 40 80 74 43 3f fe 01 ff", "Maximum_bit_rate_for_downlink", "(128)256 Mbps\n"},
    // Extended octet (value octets 13 to 16): 8600 kbps + v * 100 kbps up to 74,
    // 16 Mbps + (v - 74) Mbps up to 186, 128 Mbps + (v - 186) * 2 Mbps up to 250.
    {0, "23921f 73 96 40 fe 74 43 3f fe 01 00", "Maximum_bit_rate_for_downlink", "(254)8640 kbps\n"},
    {0, "23921f 73 96 40 fe 74 43 3f fe 01 01", "Maximum_bit_rate_for_downlink", "(254)8700 kbps\n"},
    {0, "23921f 73 96 40 fe 74 43 3f fe 01 4a", "Maximum_bit_rate_for_downlink", "(254)16000 kbps\n"},
    {0, "23921f 73 96 40 fe 74 43 3f fe 01 4b", "Maximum_bit_rate_for_downlink", "(254)17 Mbps\n"},
    {0, "23921f 73 96 40 fe 74 43 3f fe 01 64", "Maximum_bit_rate_for_downlink", "(254)42 Mbps\n"},
    {0, "23921f 73 96 40 fe 74 43 3f fe 01 ba", "Maximum_bit_rate_for_downlink", "(254)128 Mbps\n"},
    {0, "23921f 73 96 40 fe 74 43 3f fe 01 bb", "Maximum_bit_rate_for_downlink", "(254)130 Mbps\n"},
    {0, "23921f 73 96 40 fe 74 43 3f fe 01 fa", "Maximum_bit_rate_for_downlink", "(254)256 Mbps\n"},
    {0, "23921f 73 96 40 fe 74 43 3f fe 01 00 64", "Guaranteed_bit_rate_for_downlink", "(254)42 Mbps\n"},
    {0, "23921f 73 96 40 fe 74 43 3f fe 01 00 64", "Maximum_bit_rate_for_downlink", "(254)8640 kbps\n"},
    {0, "23921f 73 96 fe fe 74 43 fe fe 01 00 00 4b", "Maximum_bit_rate_for_uplink", "(254)17 Mbps\n"},
    {0, "23921f 73 96 fe fe 74 43 fe fe 01 00 00 4b 01", "Guaranteed_bit_rate_for_uplink", "(254)8700 kbps\n"},
    {0, "23921f 73 96 fe fe 74 43 fe fe 01 00 00 4b", "Guaranteed_bit_rate_for_uplink", "(254)8640 kbps\n"},
    // Extended-2 octet (value octets 17 to 20) replaces both: 256 Mbps + v * 4 Mbps up
    // to 61, 500 Mbps + (v - 61) * 10 Mbps up to 161, 1500 Mbps + (v - 161) * 100 Mbps up to 246.
    {0, "23921f 73 96 40 fe 74 43 3f fe 01 fa 00 00 00 01", "Maximum_bit_rate_for_downlink", "(254)260 Mbps\n"},
    {0, "23921f 73 96 40 fe 74 43 3f fe 01 fa 00 00 00 3d", "Maximum_bit_rate_for_downlink", "(254)500 Mbps\n"},
    {0, "23921f 73 96 40 fe 74 43 3f fe 01 fa 00 00 00 3e", "Maximum_bit_rate_for_downlink", "(254)510 Mbps\n"},
    {0, "23921f 73 96 40 fe 74 43 3f fe 01 fa 00 00 00 a1", "Maximum_bit_rate_for_downlink", "(254)1500 Mbps\n"},
    {0, "23921f 73 96 40 fe 74 43 3f fe 01 fa 00 00 00 a2", "Maximum_bit_rate_for_downlink", "(254)1600 Mbps\n"},
    {0, "23921f 73 96 40 fe 74 43 3f fe 01 fa 00 00 00 f6", "Maximum_bit_rate_for_downlink", "(254)10000 Mbps\n"},
    {0, "23921f 73 96 40 fe 74 43 3f fe 01 fa 00 00 00 ff", "Maximum_bit_rate_for_downlink", "(254)10000 Mbps\n"},
    {0, "23921f 73 96 fe fe 74 43 fe fe 01 fa fa fa fa 01 02 03 04", "Guaranteed_bit_rate_for_downlink",
     "(254)264 Mbps\n"},
    {0, "23921f 73 96 fe fe 74 43 fe fe 01 fa fa fa fa 01 02 03 04", "Maximum_bit_rate_for_uplink", "(254)268 Mbps\n"},
    {0, "23921f 73 96 fe fe 74 43 fe fe 01 fa fa fa fa 01 02 03 04", "Guaranteed_bit_rate_for_uplink",
     "(254)272 Mbps\n"},
    // An extended-2 octet without the extended one still counts.
    {0, "23921f 73 96 fe fe 74 43 fe fe 01 00 00 00 00 00 00 3e", "Maximum_bit_rate_for_uplink", "(254)510 Mbps\n"},
};

std::string qos_field(const QosRuleCase& c) {
  std::vector<uint8_t> v = tharvel_test::octets(c.value_octets);
  QualityOfService q{};
  decode_quality_of_service(q, bits_of(v.data(), static_cast<uint32_t>(v.size())));
  q.direction = c.direction;
  std::string buf(8192, '\0');
  OutputText out(buf.data());
  render_quality_of_service(q, out);
  out.finish();
  std::string doc(buf.c_str());
  std::string open = std::string("<") + c.field + ">\n";
  size_t start = doc.find(open);
  if (start == std::string::npos) return "(missing)";
  start += open.size();
  return doc.substr(start, doc.find(std::string("</") + c.field + ">\n", start) - start);
}

TEST(SmQos, PiecewiseRulesAndTexts) {
  for (const QosRuleCase& c : kQosRules) EXPECT_EQ(qos_field(c), c.text) << c.value_octets << " " << c.field;
}

// Parses through the message table.
struct Parsed {
  std::vector<uint8_t> msg;
  l3::ParsedMessage message;
  const MessageRecord* record;
  explicit Parsed(const char* hex, uint8_t dir = 0) : msg(tharvel_test::octets(hex)) {
    message.parse(msg.data(), static_cast<uint16_t>(msg.size()), dir);
    record = message.record();
  }
  template <class R>
  const R& as() const {
    return *message.as<R>();
  }
};

std::string render(const Parsed& p) {
  std::string buf(1 << 16, '\0');
  OutputText out(buf.data());
  p.message.render(out, 0);
  out.finish();
  return buf.c_str();
}

std::string between(const std::string& text, const std::string& open, const std::string& close) {
  size_t start = text.find(open);
  if (start == std::string::npos) return "";
  start += open.size();
  return text.substr(start, text.find(close, start) - start);
}

size_t count_of(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(SmRecords, FieldsReadByTheValueExtraction) {
  Parsed req("0a 41 | 05 | 03 | 03 23921f | 02 01 21");
  ASSERT_NE(req.record, nullptr);
  EXPECT_EQ(req.as<ActivatePdpContextRequest>().requested_nsapi, 5);
  EXPECT_EQ(req.as<ActivatePdpContextRequest>().requested_llc_sapi, 3);

  Parsed acc("0a 42 | 03 | 03 23921f | 04 | 2b 06 01 21 0aaf90a8");
  ASSERT_NE(acc.record, nullptr);
  const auto& a = acc.as<ActivatePdpContextAccept>();
  EXPECT_EQ(a.negotiated_llc_sapi, 3);
  EXPECT_EQ(a.radio_priority, 4);
  EXPECT_EQ(a.negotiated_qos.delay_class, 4);
  EXPECT_EQ(a.negotiated_qos.reliability_class, 3);
  EXPECT_EQ(a.negotiated_qos.peak_throughput, 9);
  EXPECT_EQ(a.negotiated_qos.precedence_class, 2);
  EXPECT_EQ(a.negotiated_qos.mean_throughput, 31);
  ASSERT_EQ(a.pdp_address.present, 1);
  EXPECT_EQ(a.pdp_address.value.address_length, 4);
  EXPECT_EQ(a.pdp_address.value.address[1], 0x0a);
  EXPECT_EQ(a.pdp_address.value.address[4], 0xa8);
}

TEST(SmRecords, TypesOutsideTheFamily) {
  EXPECT_EQ(Parsed("0a 40 00").record, nullptr);
  EXPECT_EQ(Parsed("0a 56 00").record, nullptr);
}

TEST(SmRecords, TruncatedMandatoryAddressStopsTheWalk) {
  Parsed p("0a 44 | 06 01 21 0a01");
  EXPECT_EQ(p.as<RequestPdpContextActivation>().offered_pdp_address.pdp_type_number, 0);
}

TEST(SmRecords, OptionsEntryShorterThanAnnounced) {
  Parsed p("0a 47 | 27 09 80 0001 0a 0102030405");
  const auto& r = p.as<SmPcoOnly>();
  EXPECT_EQ(r.pco.present, 1);
  EXPECT_EQ(r.pco.value.count, 0);
}

TEST(SmRecords, LinkedTiWithExtension) {
  Parsed p("0a 4d | 05 | 03 | 01 23 | 02 f0 85");
  const auto& r = p.as<ActivateSecondaryPdpContextRequest>();
  EXPECT_EQ(r.linked_ti.length, 2);
  EXPECT_EQ(r.linked_ti.ti_value, 7);
  EXPECT_EQ(r.linked_ti.ti_extension, 5);
}

TEST(SmCapacities, AccessPointNameKeepsTwoHundredOctets) {
  std::string hex = "0a 44 | 02 01 21 | 28 ff " + std::string(255 * 2, '6') + " | 27 01 80";
  Parsed p(hex.c_str());
  const auto& r = p.as<RequestPdpContextActivation>();
  EXPECT_EQ(r.access_point_name.value.count, 255);
  EXPECT_EQ(r.pco.present, 1);  // the walk moved past the whole element
  EXPECT_EQ(between(render(p), "<Access_Point_Name>\n", "</").size(), 200u);
}

TEST(SmCapacities, OptionsEntryKeepsNinetyEightOctets) {
  std::string hex = "0a 47 | 27 6c 80 0001 64 " + std::string(100 * 2, 'e') + " 0002 01 07";
  Parsed p(hex.c_str());
  const auto& r = p.as<SmPcoOnly>();
  EXPECT_EQ(r.pco.value.count, 2);
  EXPECT_EQ(r.pco.value.entries[1].length, 100);
  EXPECT_EQ(r.pco.value.entries[2].protocol_id, 2);
  EXPECT_EQ(between(render(p), "<Protocol_contents>0x", "</"), std::string(98 * 2, 'e'));
}

TEST(SmCapacities, OptionsElementOfEightyFourEntriesKeepsThemAll) {
  // The most entries an element can hold: 84 of three octets each.
  std::string entries;
  for (int i = 0; i < 83; ++i) entries += "0001 00 ";
  std::string hex = "0a 47 | 27 fe 80 " + entries + "0002 01 07";
  Parsed p(hex.c_str());
  EXPECT_EQ(p.as<SmPcoOnly>().pco.value.count, 84);
  const std::string doc = render(p);
  size_t ids = 0;
  for (size_t at = doc.find("<Protocol_ID>0x1<"); at != std::string::npos; at = doc.find("<Protocol_ID>0x1<", at + 1))
    ++ids;
  EXPECT_EQ(ids, 83u);
  EXPECT_NE(doc.find("<Protocol_ID>0x2</Protocol_ID>\n<Protocol_contents>0x 7</Protocol_contents>\n</protocols>"),
            std::string::npos);
}

TEST(SmCapacities, NinePacketFiltersKeptAndParametersStillFound) {
  std::string filters;
  for (int i = 1; i <= 10; ++i) filters += "0" + std::to_string(i % 10) + " 00 00 ";
  std::string hex = "0a 4a | 37 23 7a " + filters + "05 02 abcd";
  Parsed p(hex.c_str());
  const auto& t = p.as<ModifyPdpContextRequestMs>().new_tft.value;
  EXPECT_EQ(t.number_of_packet_filters, 10);
  EXPECT_EQ(t.parameter_count, 1);
  EXPECT_EQ(t.parameters[1].identifier, 5);
  EXPECT_EQ(count_of(render(p), "<Packet_filter_identifier>"), 9u);
}

TEST(SmCapacities, NineParametersKept) {
  std::string params;
  for (int i = 0; i < 11; ++i) params += "05 01 aa ";
  std::string hex = "0a 4a | 37 22 10 " + params;
  Parsed p(hex.c_str());
  EXPECT_EQ(p.as<ModifyPdpContextRequestMs>().new_tft.value.parameter_count, 9);
}

TEST(SmCorpus, EveryMessageClosesCleanly) {
  std::vector<tharvel_test::CorpusMessage> messages = tharvel_test::corpus_of_pd(10);
  EXPECT_FALSE(messages.empty());
  for (const tharvel_test::CorpusMessage& m : messages) {
    tharvel_test::Decoded d = tharvel_test::decode_octets(m.direction, m.octets);
    EXPECT_TRUE(tharvel_test::closed(d.text)) << m.line;
    tharvel_test::decode_every_prefix(m.direction, m.octets);
  }
}

}  // namespace
}  // namespace l3
