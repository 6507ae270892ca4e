#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_util.h"

namespace {

using tharvel_test::body_of;
using tharvel_test::decode_hex;
using tharvel_test::Golden;

// Elements of the SI messages and the rest octets of SI 1 to SI 9. Real cells
// where the corpus has them (gr-gsm, qcsuper captures), hand-built blocks for
// the branches real cells leave out.
const Golden kSiCellGolden[] = {
    {"si1_bitmap_two_arfcns_rest_padding", 0, "06 19 | 00 08 00 00 00 04 00 00 00 00 00 00 00 00 00 00 | b8 00 00 | 2b",
     R"(<SYSTEM_INFORMATION_TYPE1>
<Cell_Channel_Description>
<FORMAT_ID>0</FORMAT_ID>
<Bitmap0format>
<Length_of_Frequency_List>16</Length_of_Frequency_List>
<ARFCN>116</ARFCN>
<ARFCN>83</ARFCN>
</Bitmap0format>
</Cell_Channel_Description>
<RACH_Control_Parameter>
<Max_retrans>2</Max_retrans>
<Tx_integer>
(14)slots used to spread transmission 32</Tx_integer>
<CELL_BARR_ACCESS>
(0)The cell is not barred</CELL_BARR_ACCESS>
<RE>
(0)Call Reestablishment allowed in the cell</RE>
<EC>
(0)Emergency call allowed in the cell to all MSs</EC>
</RACH_Control_Parameter>
<SI_1_Rest_Octets>
<Band_indicator>
(0)ARFCN indicates 1800 band</Band_indicator>
</SI_1_Rest_Octets>
</SYSTEM_INFORMATION_TYPE1>
)"},
    // The boolean blocks at value 1: RACH octet 1 0xBF is Max_retrans 2,
    // Tx_integer 15, CELL_BAR_ACCESS 1 (barred), RE 1; octet 2 0x04 is AC10,
    // the emergency call bit (EC 1).
    {"si1_rach_barred_no_reestablishment_no_emergency", 0,
     "06 19 | 00 08 00 00 00 04 00 00 00 00 00 00 00 00 00 00 | bf 04 00 | 2b",
     R"(<SYSTEM_INFORMATION_TYPE1>
<Cell_Channel_Description>
<FORMAT_ID>0</FORMAT_ID>
<Bitmap0format>
<Length_of_Frequency_List>16</Length_of_Frequency_List>
<ARFCN>116</ARFCN>
<ARFCN>83</ARFCN>
</Bitmap0format>
</Cell_Channel_Description>
<RACH_Control_Parameter>
<Max_retrans>2</Max_retrans>
<Tx_integer>
(15)slots used to spread transmission 50</Tx_integer>
<CELL_BARR_ACCESS>
(1)The cell is barred</CELL_BARR_ACCESS>
<RE>
(1)Call Reestablishment not allowed in the cell</RE>
<EC>
(1)Emergency call not allowed in the cell except for the MSs that belong to one of the classes between 11 to 15</EC>
<ACCN>10</ACCN>
</RACH_Control_Parameter>
<SI_1_Rest_Octets>
<Band_indicator>
(0)ARFCN indicates 1800 band</Band_indicator>
</SI_1_Rest_Octets>
</SYSTEM_INFORMATION_TYPE1>
)"},
    // ... and at value 0 in the control channel description: octet 1 0x08 is
    // MSCR 0 (Release 98 or older), ATT 0, BS_AG_BLKS_RES 1.
    {"si3_mscr_att_clear", 0, "06 1b | 2b d9 | 62 f2 20 01 3e | 08 07 0a | 15 | 60 09 | b9 00 00 | e8 1f 46 1b",
     R"(<SYSTEM_INFORMATION_TYPE3>
<Cell_Identity>
<Cell_Identity>11225</Cell_Identity>
</Cell_Identity>
<Location_area_identification>
<MCC>262</MCC>
<MNC>2</MNC>
<LAC>318</LAC>
</Location_area_identification>
<Control_Channel_Description>
<MSCR>
(0)MSC is Release 98 or older</MSCR>
<ATT>
(0)MSs in the cell are not allowed to apply IMSI attach and detach procedure</ATT>
<BS_AG_BLKS_RES>1</BS_AG_BLKS_RES>
<CCCH_CONF>
(0)basic physical channel 1 used for CCCH not combined with SDCCHs</CCCH_CONF>
<BS_PA_MFRMS>
(7)9</BS_PA_MFRMS>
<T3212_time_out_value>10</T3212_time_out_value>
</Control_Channel_Description>
<Cell_Options_BCCH>
<DN_IND>
(0)Dynamic ARFCN mapping is not used by the PLMN</DN_IND>
<PWRC>
(0)PWRC is not set</PWRC>
<DTX>
(1)The MSs shall use uplink discontinuous transmission</DTX>
<RADIO_LINK_TIMEOUT>
(5)24</RADIO_LINK_TIMEOUT>
</Cell_Options_BCCH>
<Cell_Selection_Parameters>
<CELL_RESELECT_HYSTERESIS>
(3)6dB RXLEV hysteresis for LA reselection</CELL_RESELECT_HYSTERESIS>
<MS_TXPWR_MAX_CCH>0</MS_TXPWR_MAX_CCH>
<ACS>
(0)System information type 16 and 17 are not broadcast on the BCCH</ACS>
<NECI>
(0)New establishment causes are not supported</NECI>
<RXLEV_sub_ACCESS_sub_MIN>9</RXLEV_sub_ACCESS_sub_MIN>
</Cell_Selection_Parameters>
<RACH_Control_Parameter>
<Max_retrans>2</Max_retrans>
<Tx_integer>
(14)slots used to spread transmission 32</Tx_integer>
<CELL_BARR_ACCESS>
(0)The cell is not barred</CELL_BARR_ACCESS>
<RE>
(1)Call Reestablishment not allowed in the cell</RE>
<EC>
(0)Emergency call allowed in the cell to all MSs</EC>
</RACH_Control_Parameter>
<SI_3_Rest_Octets>
<Optional_selection_parameters>
<CBQ>1</CBQ>
<CELL_RESELECT_OFFSET_field>
(40)80dB Applies an offset to the C2 reselection criterion</CELL_RESELECT_OFFSET_field>
<TEMPORARY_OFFSET>
(0)0dB Applies a negative offset to C2 for the duration of PENALTY_TIME</TEMPORARY_OFFSET>
<PENALTY_TIME>
reserved</PENALTY_TIME>
</Optional_selection_parameters>
<System_Information_2ter_Indicator>
(1)SYSTEM INFORMATION TYPE 2ter message is available</System_Information_2ter_Indicator>
<Early_Classmark_Sending_Control>
(1)Early Classmark Sending is allowed</Early_Classmark_Sending_Control>
<GPRS_Indicator>
<RA_COLOUR>6</RA_COLOUR>
<SI13_POSITION>
(0)SYSTEM INFORMATION TYPE 13 message is sent on BCCH Norm</SI13_POSITION>
</GPRS_Indicator>
<Early_Classmark_Sending_Restriction_for_3G>
(0)Neither UTRAN nor cdma2000 classmark change message shall be sent with the Early classmark sending</Early_Classmark_Sending_Restriction_for_3G>
<SI2quater_Indicator>
<SI2quater_POSITION>
(1)SYSTEM INFORMATION TYPE 2 quater message is sent on BCCH Ext</SI2quater_POSITION>
</SI2quater_Indicator>
</SI_3_Rest_Octets>
</SYSTEM_INFORMATION_TYPE3>
)"},
    // 0x80: NCH position 0 (1 block from block 0); the band indicator is bit
    // 6, H against the fill.
    {"si1_nch_position_0_tx_integer_0", 0, "06 19 | 00000000000000000000000000000000 | 00 00 00 | 80",
     R"(<SYSTEM_INFORMATION_TYPE1>
<Cell_Channel_Description>
<FORMAT_ID>0</FORMAT_ID>
<Bitmap0format>
<Length_of_Frequency_List>16</Length_of_Frequency_List>
</Bitmap0format>
</Cell_Channel_Description>
<RACH_Control_Parameter>
<Max_retrans>0</Max_retrans>
<Tx_integer>
(0)3slots used to spread transmission</Tx_integer>
<CELL_BARR_ACCESS>
(0)The cell is not barred</CELL_BARR_ACCESS>
<RE>
(0)Call Reestablishment allowed in the cell</RE>
<EC>
(0)Emergency call allowed in the cell to all MSs</EC>
</RACH_Control_Parameter>
<SI_1_Rest_Octets>
<NCH_Position>
<NCH_Position>0</NCH_Position>
<No_of_blocks>1</No_of_blocks>
<Number_of_first_block>0</Number_of_first_block>
</NCH_Position>
<Band_indicator>
(1)ARFCN indicates 1900 band</Band_indicator>
</SI_1_Rest_Octets>
</SYSTEM_INFORMATION_TYPE1>
)"},
    // NCH position 31 is reserved: no block count or first block.
    {"si1_nch_position_31_ends", 0, "06 19 | 00000000000000000000000000000000 | 3c 00 00 | ff",
     R"(<SYSTEM_INFORMATION_TYPE1>
<Cell_Channel_Description>
<FORMAT_ID>0</FORMAT_ID>
<Bitmap0format>
<Length_of_Frequency_List>16</Length_of_Frequency_List>
</Bitmap0format>
</Cell_Channel_Description>
<RACH_Control_Parameter>
<Max_retrans>0</Max_retrans>
<Tx_integer>
(15)slots used to spread transmission 50</Tx_integer>
<CELL_BARR_ACCESS>
(0)The cell is not barred</CELL_BARR_ACCESS>
<RE>
(0)Call Reestablishment allowed in the cell</RE>
<EC>
(0)Emergency call allowed in the cell to all MSs</EC>
</RACH_Control_Parameter>
<SI_1_Rest_Octets>
<NCH_Position>
<NCH_Position>31</NCH_Position>
</NCH_Position>
<Band_indicator>
(0)ARFCN indicates 1800 band</Band_indicator>
</SI_1_Rest_Octets>
</SYSTEM_INFORMATION_TYPE1>
)"},
    {"si1_short_list_holds_only_the_header", 0, "06 19 | 00 08 00 00", R"(<SYSTEM_INFORMATION_TYPE1>
</SYSTEM_INFORMATION_TYPE1>
)"},
    {"si2_real_cell", 0, "06 1a | 15 54 00 00 00 15 48 00 00 00 00 00 00 00 00 00 | ff | b8 00 00",
     R"(<SYSTEM_INFORMATION_TYPE2>
<Neighbour_Cell_Description>
<EXT_IND>
(0)The information element carries the complete BA</EXT_IND>
<BA_IND>1</BA_IND>
<Cell_Channel_Description>
<FORMAT_ID>2</FORMAT_ID>
<Bitmap0format>
<Length_of_Frequency_List>16</Length_of_Frequency_List>
<ARFCN>123</ARFCN>
<ARFCN>121</ARFCN>
<ARFCN>119</ARFCN>
<ARFCN>117</ARFCN>
<ARFCN>115</ARFCN>
<ARFCN>85</ARFCN>
<ARFCN>83</ARFCN>
<ARFCN>81</ARFCN>
<ARFCN>79</ARFCN>
<ARFCN>76</ARFCN>
</Bitmap0format>
</Cell_Channel_Description>
</Neighbour_Cell_Description>
<NCC_permitted>255</NCC_permitted>
<RACH_Control_Parameter>
<Max_retrans>2</Max_retrans>
<Tx_integer>
(14)slots used to spread transmission 32</Tx_integer>
<CELL_BARR_ACCESS>
(0)The cell is not barred</CELL_BARR_ACCESS>
<RE>
(0)Call Reestablishment allowed in the cell</RE>
<EC>
(0)Emergency call allowed in the cell to all MSs</EC>
</RACH_Control_Parameter>
</SYSTEM_INFORMATION_TYPE2>
)"},
    // A variable bitmap list from a real cell.
    {"si2bis_variable_bitmap", 0, "06 02 | af e8 5f 70 00 00 00 0b a0 00 00 00 00 00 00 00 | 79 00 00 | 2b",
     R"(<SYSTEM_INFORMATION_TYPE2bis>
<Neighbour_Cell_Description>
<EXT_IND>
(1)The information element carries only a part of the BA</EXT_IND>
<BA_IND>0</BA_IND>
<Cell_Channel_Description>
<FORMAT_ID>23</FORMAT_ID>
<Variablebitmapformat><Length_of_Frequency_List>16</Length_of_Frequency_List>
<ORIG_ARFCN>976</ORIG_ARFCN>
<RRFCN>977</RRFCN>
<RRFCN>979</RRFCN>
<RRFCN>980</RRFCN>
<RRFCN>981</RRFCN>
<RRFCN>982</RRFCN>
<RRFCN>983</RRFCN>
<RRFCN>985</RRFCN>
<RRFCN>986</RRFCN>
<RRFCN>987</RRFCN>
<RRFCN>1020</RRFCN>
<RRFCN>1022</RRFCN>
<RRFCN>1023</RRFCN>
<RRFCN>0</RRFCN>
<RRFCN>2</RRFCN>
</Variablebitmapformat></Cell_Channel_Description>
</Neighbour_Cell_Description>
<RACH_Control_Parameter>
<Max_retrans>1</Max_retrans>
<Tx_integer>
(14)slots used to spread transmission 32</Tx_integer>
<CELL_BARR_ACCESS>
(0)The cell is not barred</CELL_BARR_ACCESS>
<RE>
(1)Call Reestablishment not allowed in the cell</RE>
<EC>
(0)Emergency call allowed in the cell to all MSs</EC>
</RACH_Control_Parameter>
</SYSTEM_INFORMATION_TYPE2bis>
)"},
    {"si3_real_cell", 0, "06 1b | 2b d9 | 62 f2 20 01 3e | c8 07 0a | 15 | 60 09 | b9 00 00 | e8 1f 46 1b",
     R"(<SYSTEM_INFORMATION_TYPE3>
<Cell_Identity>
<Cell_Identity>11225</Cell_Identity>
</Cell_Identity>
<Location_area_identification>
<MCC>262</MCC>
<MNC>2</MNC>
<LAC>318</LAC>
</Location_area_identification>
<Control_Channel_Description>
<MSCR>
(1)MSC is Release 99 onwards</MSCR>
<ATT>
(1)MSs in the cell shall apply IMSI attach and detach procedure</ATT>
<BS_AG_BLKS_RES>1</BS_AG_BLKS_RES>
<CCCH_CONF>
(0)basic physical channel 1 used for CCCH not combined with SDCCHs</CCCH_CONF>
<BS_PA_MFRMS>
(7)9</BS_PA_MFRMS>
<T3212_time_out_value>10</T3212_time_out_value>
</Control_Channel_Description>
<Cell_Options_BCCH>
<DN_IND>
(0)Dynamic ARFCN mapping is not used by the PLMN</DN_IND>
<PWRC>
(0)PWRC is not set</PWRC>
<DTX>
(1)The MSs shall use uplink discontinuous transmission</DTX>
<RADIO_LINK_TIMEOUT>
(5)24</RADIO_LINK_TIMEOUT>
</Cell_Options_BCCH>
<Cell_Selection_Parameters>
<CELL_RESELECT_HYSTERESIS>
(3)6dB RXLEV hysteresis for LA reselection</CELL_RESELECT_HYSTERESIS>
<MS_TXPWR_MAX_CCH>0</MS_TXPWR_MAX_CCH>
<ACS>
(0)System information type 16 and 17 are not broadcast on the BCCH</ACS>
<NECI>
(0)New establishment causes are not supported</NECI>
<RXLEV_sub_ACCESS_sub_MIN>9</RXLEV_sub_ACCESS_sub_MIN>
</Cell_Selection_Parameters>
<RACH_Control_Parameter>
<Max_retrans>2</Max_retrans>
<Tx_integer>
(14)slots used to spread transmission 32</Tx_integer>
<CELL_BARR_ACCESS>
(0)The cell is not barred</CELL_BARR_ACCESS>
<RE>
(1)Call Reestablishment not allowed in the cell</RE>
<EC>
(0)Emergency call allowed in the cell to all MSs</EC>
</RACH_Control_Parameter>
<SI_3_Rest_Octets>
<Optional_selection_parameters>
<CBQ>1</CBQ>
<CELL_RESELECT_OFFSET_field>
(40)80dB Applies an offset to the C2 reselection criterion</CELL_RESELECT_OFFSET_field>
<TEMPORARY_OFFSET>
(0)0dB Applies a negative offset to C2 for the duration of PENALTY_TIME</TEMPORARY_OFFSET>
<PENALTY_TIME>
reserved</PENALTY_TIME>
</Optional_selection_parameters>
<System_Information_2ter_Indicator>
(1)SYSTEM INFORMATION TYPE 2ter message is available</System_Information_2ter_Indicator>
<Early_Classmark_Sending_Control>
(1)Early Classmark Sending is allowed</Early_Classmark_Sending_Control>
<GPRS_Indicator>
<RA_COLOUR>6</RA_COLOUR>
<SI13_POSITION>
(0)SYSTEM INFORMATION TYPE 13 message is sent on BCCH Norm</SI13_POSITION>
</GPRS_Indicator>
<Early_Classmark_Sending_Restriction_for_3G>
(0)Neither UTRAN nor cdma2000 classmark change message shall be sent with the Early classmark sending</Early_Classmark_Sending_Restriction_for_3G>
<SI2quater_Indicator>
<SI2quater_POSITION>
(1)SYSTEM INFORMATION TYPE 2 quater message is sent on BCCH Ext</SI2quater_POSITION>
</SI2quater_Indicator>
</SI_3_Rest_Octets>
</SYSTEM_INFORMATION_TYPE3>
)"},
    // Bits 0 and 1 of the block are L and H: no selection parameters, a power offset from bits 2..3; then
    // scheduling with WHERE 0 and no GPRS indicator.
    {"si3_power_offset_and_where_0", 0,
     "06 1b | 00 01 | 62 f2 20 01 3e | 00 00 00 | 30 | 00 00 | 00 04 00 | 78 2b 2b 2b",
     R"(<SYSTEM_INFORMATION_TYPE3>
<Cell_Identity>
<Cell_Identity>1</Cell_Identity>
</Cell_Identity>
<Location_area_identification>
<MCC>262</MCC>
<MNC>2</MNC>
<LAC>318</LAC>
</Location_area_identification>
<Control_Channel_Description>
<MSCR>
(0)MSC is Release 98 or older</MSCR>
<ATT>
(0)MSs in the cell are not allowed to apply IMSI attach and detach procedure</ATT>
<BS_AG_BLKS_RES>0</BS_AG_BLKS_RES>
<CCCH_CONF>
(0)basic physical channel 1 used for CCCH not combined with SDCCHs</CCCH_CONF>
<BS_PA_MFRMS>
(0)2</BS_PA_MFRMS>
<T3212_time_out_value>
periodic updating shall not be used within the cell</T3212_time_out_value>
</Control_Channel_Description>
<Cell_Options_BCCH>
<DN_IND>
(0)Dynamic ARFCN mapping is not used by the PLMN</DN_IND>
<PWRC>
(0)PWRC is not set</PWRC>
<DTX>
<value>3</value>
</DTX>
<RADIO_LINK_TIMEOUT>
(0)4</RADIO_LINK_TIMEOUT>
</Cell_Options_BCCH>
<Cell_Selection_Parameters>
<CELL_RESELECT_HYSTERESIS>
(0)0dB RXLEV hysteresis for LA reselection</CELL_RESELECT_HYSTERESIS>
<MS_TXPWR_MAX_CCH>0</MS_TXPWR_MAX_CCH>
<ACS>
(0)System information type 16 and 17 are not broadcast on the BCCH</ACS>
<NECI>
(0)New establishment causes are not supported</NECI>
<RXLEV_sub_ACCESS_sub_MIN>0</RXLEV_sub_ACCESS_sub_MIN>
</Cell_Selection_Parameters>
<RACH_Control_Parameter>
<Max_retrans>0</Max_retrans>
<Tx_integer>
(0)3slots used to spread transmission</Tx_integer>
<CELL_BARR_ACCESS>
(0)The cell is not barred</CELL_BARR_ACCESS>
<RE>
(0)Call Reestablishment allowed in the cell</RE>
<EC>
(1)Emergency call not allowed in the cell except for the MSs that belong to one of the classes between 11 to 15</EC>
<ACCN>10</ACCN>
</RACH_Control_Parameter>
<SI_3_Rest_Octets>
<Optional_Power_Offset>
<Power_Offset>
(3)6dB_power_offset</Power_Offset>
</Optional_Power_Offset>
<System_Information_2ter_Indicator>
(0)SYSTEM INFORMATION TYPE 2ter message is not available</System_Information_2ter_Indicator>
<Early_Classmark_Sending_Control>
(0)Early Classmark Sending is forbidden</Early_Classmark_Sending_Control>
<Scheduling_if_and_where>
<WHERE>
BCCH scheduling information is not sent in SYSTEM INFORMATION TYPE 9 on the BCCH</WHERE>
</Scheduling_if_and_where>
<Early_Classmark_Sending_Restriction_for_3G>
(0)Neither UTRAN nor cdma2000 classmark change message shall be sent with the Early classmark sending</Early_Classmark_Sending_Restriction_for_3G>
</SI_3_Rest_Octets>
</SYSTEM_INFORMATION_TYPE3>
)"},
    // TEMPORARY_OFFSET 7 shows its value with "infinity", PENALTY_TIME 31 gives "reserved" alone; a WHERE
    // other than 0 shows its value.
    {"si3_temporary_offset_infinity_penalty_time_reserved", 0,
     "06 1b | 00 01 | 62 f2 20 01 3e | 00 00 00 | 30 | 00 00 | 00 04 00 | 81 ff 3b 2b",
     R"(<SYSTEM_INFORMATION_TYPE3>
<Cell_Identity>
<Cell_Identity>1</Cell_Identity>
</Cell_Identity>
<Location_area_identification>
<MCC>262</MCC>
<MNC>2</MNC>
<LAC>318</LAC>
</Location_area_identification>
<Control_Channel_Description>
<MSCR>
(0)MSC is Release 98 or older</MSCR>
<ATT>
(0)MSs in the cell are not allowed to apply IMSI attach and detach procedure</ATT>
<BS_AG_BLKS_RES>0</BS_AG_BLKS_RES>
<CCCH_CONF>
(0)basic physical channel 1 used for CCCH not combined with SDCCHs</CCCH_CONF>
<BS_PA_MFRMS>
(0)2</BS_PA_MFRMS>
<T3212_time_out_value>
periodic updating shall not be used within the cell</T3212_time_out_value>
</Control_Channel_Description>
<Cell_Options_BCCH>
<DN_IND>
(0)Dynamic ARFCN mapping is not used by the PLMN</DN_IND>
<PWRC>
(0)PWRC is not set</PWRC>
<DTX>
<value>3</value>
</DTX>
<RADIO_LINK_TIMEOUT>
(0)4</RADIO_LINK_TIMEOUT>
</Cell_Options_BCCH>
<Cell_Selection_Parameters>
<CELL_RESELECT_HYSTERESIS>
(0)0dB RXLEV hysteresis for LA reselection</CELL_RESELECT_HYSTERESIS>
<MS_TXPWR_MAX_CCH>0</MS_TXPWR_MAX_CCH>
<ACS>
(0)System information type 16 and 17 are not broadcast on the BCCH</ACS>
<NECI>
(0)New establishment causes are not supported</NECI>
<RXLEV_sub_ACCESS_sub_MIN>0</RXLEV_sub_ACCESS_sub_MIN>
</Cell_Selection_Parameters>
<RACH_Control_Parameter>
<Max_retrans>0</Max_retrans>
<Tx_integer>
(0)3slots used to spread transmission</Tx_integer>
<CELL_BARR_ACCESS>
(0)The cell is not barred</CELL_BARR_ACCESS>
<RE>
(0)Call Reestablishment allowed in the cell</RE>
<EC>
(1)Emergency call not allowed in the cell except for the MSs that belong to one of the classes between 11 to 15</EC>
<ACCN>10</ACCN>
</RACH_Control_Parameter>
<SI_3_Rest_Octets>
<Optional_selection_parameters>
<CBQ>0</CBQ>
<CELL_RESELECT_OFFSET_field>
(1)2dB Applies an offset to the C2 reselection criterion</CELL_RESELECT_OFFSET_field>
<TEMPORARY_OFFSET>
(7)infinity</TEMPORARY_OFFSET>
<PENALTY_TIME>
reserved</PENALTY_TIME>
</Optional_selection_parameters>
<System_Information_2ter_Indicator>
(0)SYSTEM INFORMATION TYPE 2ter message is not available</System_Information_2ter_Indicator>
<Early_Classmark_Sending_Control>
(0)Early Classmark Sending is forbidden</Early_Classmark_Sending_Control>
<Scheduling_if_and_where>
(5)BCCH scheduling information is sent in SYSTEM INFORMATION TYPE 9 on the BCCH</Scheduling_if_and_where>
<Early_Classmark_Sending_Restriction_for_3G>
(0)Neither UTRAN nor cdma2000 classmark change message shall be sent with the Early classmark sending</Early_Classmark_Sending_Restriction_for_3G>
</SI_3_Rest_Octets>
</SYSTEM_INFORMATION_TYPE3>
)"},
    {"si3_ends_inside_cell_selection", 0, "06 1b | 2b d9 | 62 f2 20 01 3e | c8 07 0a | 15 | 60",
     R"(<SYSTEM_INFORMATION_TYPE3>
<Cell_Identity>
<Cell_Identity>11225</Cell_Identity>
</Cell_Identity>
<Location_area_identification>
<MCC>262</MCC>
<MNC>2</MNC>
<LAC>318</LAC>
</Location_area_identification>
<Control_Channel_Description>
<MSCR>
(1)MSC is Release 99 onwards</MSCR>
<ATT>
(1)MSs in the cell shall apply IMSI attach and detach procedure</ATT>
<BS_AG_BLKS_RES>1</BS_AG_BLKS_RES>
<CCCH_CONF>
(0)basic physical channel 1 used for CCCH not combined with SDCCHs</CCCH_CONF>
<BS_PA_MFRMS>
(7)9</BS_PA_MFRMS>
<T3212_time_out_value>10</T3212_time_out_value>
</Control_Channel_Description>
<Cell_Options_BCCH>
<DN_IND>
(0)Dynamic ARFCN mapping is not used by the PLMN</DN_IND>
<PWRC>
(0)PWRC is not set</PWRC>
<DTX>
(1)The MSs shall use uplink discontinuous transmission</DTX>
<RADIO_LINK_TIMEOUT>
(5)24</RADIO_LINK_TIMEOUT>
</Cell_Options_BCCH>
</SYSTEM_INFORMATION_TYPE3>
)"},
    {"si4_real_cell", 0, "06 1c | 62 f2 20 01 3e | 60 09 | b9 00 00 | e8 1f 73 2b 2b 2b 2b 2b 2b 2b",
     R"(<SYSTEM_INFORMATION_TYPE4>
<Location_area_identification>
<MCC>262</MCC>
<MNC>2</MNC>
<LAC>318</LAC>
</Location_area_identification>
<Cell_Selection_Parameters>
<CELL_RESELECT_HYSTERESIS>
(3)6dB RXLEV hysteresis for LA reselection</CELL_RESELECT_HYSTERESIS>
<MS_TXPWR_MAX_CCH>0</MS_TXPWR_MAX_CCH>
<ACS>
(0)System information type 16 and 17 are not broadcast on the BCCH</ACS>
<NECI>
(0)New establishment causes are not supported</NECI>
<RXLEV_sub_ACCESS_sub_MIN>9</RXLEV_sub_ACCESS_sub_MIN>
</Cell_Selection_Parameters>
<RACH_Control_Parameter>
<Max_retrans>2</Max_retrans>
<Tx_integer>
(14)slots used to spread transmission 32</Tx_integer>
<CELL_BARR_ACCESS>
(0)The cell is not barred</CELL_BARR_ACCESS>
<RE>
(1)Call Reestablishment not allowed in the cell</RE>
<EC>
(0)Emergency call allowed in the cell to all MSs</EC>
</RACH_Control_Parameter>
<SI_4_Rest_Octets>
<SI_4_Rest_Octets_O>
<Optional_selection_parameters>
<CBQ>1</CBQ>
<CELL_RESELECT_OFFSET_field>
(40)80dB Applies an offset to the C2 reselection criterion</CELL_RESELECT_OFFSET_field>
<TEMPORARY_OFFSET>
(0)0dB Applies a negative offset to C2 for the duration of PENALTY_TIME</TEMPORARY_OFFSET>
<PENALTY_TIME>
reserved</PENALTY_TIME>
</Optional_selection_parameters>
<GPRS_Indicator>
<RA_COLOUR>6</RA_COLOUR>
<SI13_POSITION>
(0)SYSTEM INFORMATION TYPE 13 message is sent on BCCH Norm</SI13_POSITION>
</GPRS_Indicator>
</SI_4_Rest_Octets_O>
<Break_indicator>
(0)Additional parameters are not sent in SYSTEM INFORMATION TYPE 7 and 8</Break_indicator>
</SI_4_Rest_Octets>
</SYSTEM_INFORMATION_TYPE4>
)"},
    {"si4_cbch_elements_then_padding", 0,
     "06 1c | 62 f2 20 01 3e | 60 09 | b9 00 00 | 64 28 a1 23 | 72 01 05 | 2b 2b 2b",
     R"(<SYSTEM_INFORMATION_TYPE4>
<Location_area_identification>
<MCC>262</MCC>
<MNC>2</MNC>
<LAC>318</LAC>
</Location_area_identification>
<Cell_Selection_Parameters>
<CELL_RESELECT_HYSTERESIS>
(3)6dB RXLEV hysteresis for LA reselection</CELL_RESELECT_HYSTERESIS>
<MS_TXPWR_MAX_CCH>0</MS_TXPWR_MAX_CCH>
<ACS>
(0)System information type 16 and 17 are not broadcast on the BCCH</ACS>
<NECI>
(0)New establishment causes are not supported</NECI>
<RXLEV_sub_ACCESS_sub_MIN>9</RXLEV_sub_ACCESS_sub_MIN>
</Cell_Selection_Parameters>
<RACH_Control_Parameter>
<Max_retrans>2</Max_retrans>
<Tx_integer>
(14)slots used to spread transmission 32</Tx_integer>
<CELL_BARR_ACCESS>
(0)The cell is not barred</CELL_BARR_ACCESS>
<RE>
(1)Call Reestablishment not allowed in the cell</RE>
<EC>
(0)Emergency call allowed in the cell to all MSs</EC>
</RACH_Control_Parameter>
<Channel_Description>
<Channel_type_and_TDMA_offset>
(5)SDCCH4 SACCH C4 or CBCH SDCCH4</Channel_type_and_TDMA_offset>
<TN>0</TN>
<H>
(0)Single_RF_channel</H>
<TSC>5</TSC>
<ARFCN>291</ARFCN>
</Channel_Description>
<Mobile_Allocation>
<Length_of_mobile_allocation>1</Length_of_mobile_allocation>
<MAC>3</MAC>
<MAC>1</MAC>
</Mobile_Allocation>
</SYSTEM_INFORMATION_TYPE4>
)"},
    // A mobile allocation that announces more octets than remain is not taken; the rest octets start at its IEI.
    {"si4_cbch_allocation_too_long", 0, "06 1c | 62 f2 20 01 3e | 60 09 | b9 00 00 | 72 05 05",
     R"(<SYSTEM_INFORMATION_TYPE4>
<Location_area_identification>
<MCC>262</MCC>
<MNC>2</MNC>
<LAC>318</LAC>
</Location_area_identification>
<Cell_Selection_Parameters>
<CELL_RESELECT_HYSTERESIS>
(3)6dB RXLEV hysteresis for LA reselection</CELL_RESELECT_HYSTERESIS>
<MS_TXPWR_MAX_CCH>0</MS_TXPWR_MAX_CCH>
<ACS>
(0)System information type 16 and 17 are not broadcast on the BCCH</ACS>
<NECI>
(0)New establishment causes are not supported</NECI>
<RXLEV_sub_ACCESS_sub_MIN>9</RXLEV_sub_ACCESS_sub_MIN>
</Cell_Selection_Parameters>
<RACH_Control_Parameter>
<Max_retrans>2</Max_retrans>
<Tx_integer>
(14)slots used to spread transmission 32</Tx_integer>
<CELL_BARR_ACCESS>
(0)The cell is not barred</CELL_BARR_ACCESS>
<RE>
(1)Call Reestablishment not allowed in the cell</RE>
<EC>
(0)Emergency call allowed in the cell to all MSs</EC>
</RACH_Control_Parameter>
<SI_4_Rest_Octets>
<SI_4_Rest_Octets_O>
<Optional_Power_Offset>
<Power_Offset>
(3)6dB_power_offset</Power_Offset>
</Optional_Power_Offset>
<GPRS_Indicator>
<RA_COLOUR>2</RA_COLOUR>
<SI13_POSITION>
(0)SYSTEM INFORMATION TYPE 13 message is sent on BCCH Norm</SI13_POSITION>
</GPRS_Indicator>
</SI_4_Rest_Octets_O>
<Break_indicator>
(1)Additional parameters are sent in SYSTEM INFORMATION TYPE 7 and 8</Break_indicator>
</SI_4_Rest_Octets>
</SYSTEM_INFORMATION_TYPE4>
)"},
    {"si5_real_cell", 0, "06 1d | 05 54 00 00 00 11 48 00 00 00 00 00 00 00 00 00",
     R"(<SYSTEM_INFORMATION_TYPE5>
<Neighbour_Cell_Description>
<EXT_IND>
(0)The information element carries the complete BA</EXT_IND>
<BA_IND>0</BA_IND>
<Cell_Channel_Description>
<FORMAT_ID>2</FORMAT_ID>
<Bitmap0format>
<Length_of_Frequency_List>16</Length_of_Frequency_List>
<ARFCN>123</ARFCN>
<ARFCN>121</ARFCN>
<ARFCN>119</ARFCN>
<ARFCN>117</ARFCN>
<ARFCN>115</ARFCN>
<ARFCN>85</ARFCN>
<ARFCN>81</ARFCN>
<ARFCN>79</ARFCN>
<ARFCN>76</ARFCN>
</Bitmap0format>
</Cell_Channel_Description>
</Neighbour_Cell_Description>
</SYSTEM_INFORMATION_TYPE5>
)"},
    {"si5bis_padding_list_is_not_decoded", 0, "06 05 | 2b2b2b2b2b2b2b2b2b2b2b2b2b2b2b2b",
     R"(<SYSTEM_INFORMATION_TYPE5bis>
</SYSTEM_INFORMATION_TYPE5bis>
)"},
    {"si5ter_real_cell", 0, "06 06 | 70 00 00 00 00 00 04 15 50 10 00 00 00 00 0a a8",
     R"(<SYSTEM_INFORMATION_TYPE5ter>
<Neighbour_Cell_Description2>
<Multiband_reporting>
(3)The MS shall report the three strongest cells</Multiband_reporting>
<BA_IND>1</BA_IND>
<Cell_Channel_Description>
<FORMAT_ID>0</FORMAT_ID>
<Bitmap0format>
<Length_of_Frequency_List>16</Length_of_Frequency_List>
<ARFCN>75</ARFCN>
<ARFCN>69</ARFCN>
<ARFCN>67</ARFCN>
<ARFCN>65</ARFCN>
<ARFCN>63</ARFCN>
<ARFCN>61</ARFCN>
<ARFCN>53</ARFCN>
<ARFCN>12</ARFCN>
<ARFCN>10</ARFCN>
<ARFCN>8</ARFCN>
<ARFCN>6</ARFCN>
<ARFCN>4</ARFCN>
</Bitmap0format>
</Cell_Channel_Description>
</Neighbour_Cell_Description2>
</SYSTEM_INFORMATION_TYPE5ter>
)"},
    {"si6_real_cell", 0, "06 1e | b9 c3 | 02 f8 01 b5 ad | 56 | ff | 2b 2b 2c 0e 20 0a 17",
     R"(<SYSTEM_INFORMATION_TYPE6>
<Cell_Identity>
<Cell_Identity>47555</Cell_Identity>
</Cell_Identity>
<Location_area_identification>
<MCC>208</MCC>
<MNC>10</MNC>
<LAC>46509</LAC>
</Location_area_identification>
<Cell_Options_SACCH>
<PWRC>
(1)PWRC is set</PWRC>
<DTX>
(1)Use uplink discontinuous transmission on a TCH_F,Not use uplink discontinuous transmission on TCH_H</DTX>
<RADIO_LINK_TIMEOUT>
(6)28</RADIO_LINK_TIMEOUT>
</Cell_Options_SACCH>
<NCC_permitted>255</NCC_permitted>
<SI_6_Rest_Octets>
<DTM_support>
(0)DTM is not supported in the serving cell</DTM_support>
<Band_indicator>
(0)band1800</Band_indicator>
</SI_6_Rest_Octets>
</SYSTEM_INFORMATION_TYPE6>
)"},
    {"si6_rest_all_padding", 0, "06 1e | 00 01 | 02 f8 01 b5 ad | a6 | 01 | 2b 2b 2b 2b 2b 2b 2b",
     R"(<SYSTEM_INFORMATION_TYPE6>
<Cell_Identity>
<Cell_Identity>1</Cell_Identity>
</Cell_Identity>
<Location_area_identification>
<MCC>208</MCC>
<MNC>10</MNC>
<LAC>46509</LAC>
</Location_area_identification>
<Cell_Options_SACCH>
<PWRC>
(0)PWRC is not set</PWRC>
<DTX>
(6)Not Use uplink discontinuous transmission on a TCH_F,Use uplink discontinuous transmission on TCH_H</DTX>
<RADIO_LINK_TIMEOUT>
(6)28</RADIO_LINK_TIMEOUT>
</Cell_Options_SACCH>
<NCC_permitted>1</NCC_permitted>
</SYSTEM_INFORMATION_TYPE6>
)"},
    // One octet off the fill makes the whole block decode; the fill bits read as L.
    {"si6_rest_last_octet_off_fill", 0, "06 1e | 00 01 | 02 f8 01 b5 ad | 96 | 01 | 2b 2b 2b 2b 2b 2b 2a",
     R"(<SYSTEM_INFORMATION_TYPE6>
<Cell_Identity>
<Cell_Identity>1</Cell_Identity>
</Cell_Identity>
<Location_area_identification>
<MCC>208</MCC>
<MNC>10</MNC>
<LAC>46509</LAC>
</Location_area_identification>
<Cell_Options_SACCH>
<PWRC>
(0)PWRC is not set</PWRC>
<DTX>
(5)Use uplink discontinuous transmission on a TCH_F,Use uplink discontinuous transmission on TCH_H</DTX>
<RADIO_LINK_TIMEOUT>
(6)28</RADIO_LINK_TIMEOUT>
</Cell_Options_SACCH>
<NCC_permitted>1</NCC_permitted>
<SI_6_Rest_Octets>
<DTM_support>
(0)DTM is not supported in the serving cell</DTM_support>
<Band_indicator>
(0)band1800</Band_indicator>
</SI_6_Rest_Octets>
</SYSTEM_INFORMATION_TYPE6>
)"},
    // Every group H: PCH and NCH info with a call priority, VBS/VGCS options, DTM with RAC and MAX_LAPDm.
    {"si6_rest_every_group", 0, "06 1e | 00 01 | 02 f8 01 b5 ad | 96 | 01 | ed e7 f4 ab 2b 2b 2b",
     R"(<SYSTEM_INFORMATION_TYPE6>
<Cell_Identity>
<Cell_Identity>1</Cell_Identity>
</Cell_Identity>
<Location_area_identification>
<MCC>208</MCC>
<MNC>10</MNC>
<LAC>46509</LAC>
</Location_area_identification>
<Cell_Options_SACCH>
<PWRC>
(0)PWRC is not set</PWRC>
<DTX>
(5)Use uplink discontinuous transmission on a TCH_F,Use uplink discontinuous transmission on TCH_H</DTX>
<RADIO_LINK_TIMEOUT>
(6)28</RADIO_LINK_TIMEOUT>
</Cell_Options_SACCH>
<NCC_permitted>1</NCC_permitted>
<SI_6_Rest_Octets>
<PCH_and_NCH_info>
<Paging_channel_restructuring>
(1)paging channel is restructured</Paging_channel_restructuring>
<NLN_SACCH>2</NLN_SACCH>
<Priority>
(5)call priority level 0</Priority>
<NLN_status>1</NLN_status>
</PCH_and_NCH_info>
<VBS_VGCS_options>
<inband_notifications>
(1)The mobile shall be notified on incoming high priority VBS/VGCS calls through NOTIFICATION/FACCH</inband_notifications>
<inband_pagings>
(0)The mobile shall not be notified on incoming high priority point-to-point calls through NOTIFICATION/FACCH</inband_pagings>
</VBS_VGCS_options>
<DTM_support>
(1)DTM is supported in the serving cell</DTM_support>
<RAC>254</RAC>
<MAX_LAPDm>
(4)Any message segmented in up to9LAPDm frames</MAX_LAPDm>
<Band_indicator>
(1)band1900</Band_indicator>
</SI_6_Rest_Octets>
</SYSTEM_INFORMATION_TYPE6>
)"},
    {"si7_s_part_with_lsa_list", 0, "06 1f | f7 10 60 01 89 1a 40 00 20 5f fe 2b 2b 2b 2b 2b 2b 2b 2b 2b",
     R"(<SYSTEM_INFORMATION_TYPE7>
<SI_4_Rest_Octets_O>
</SI_4_Rest_Octets_O>
<SI_4_Rest_Octets_S>
<LSA_Parameters>
<PRIO_THR>
(7)Big_Endless</PRIO_THR>
<LSA_OFFSET>
(3)16dB Applies an offset to be used for LSA cell reselection between cells with the same LSA priorities</LSA_OFFSET>
<MCC>262</MCC>
<MNC>1</MNC>
</LSA_Parameters>
<Cell_Identity>4660</Cell_Identity>
<LSA_ID>258</LSA_ID>
<ShortLSA_ID>1023</ShortLSA_ID>
</SI_4_Rest_Octets_S>
</SYSTEM_INFORMATION_TYPE7>
)"},
    {"si8_all_padding", 0, "06 18 | 2b2b2b2b2b2b2b2b2b2b2b2b2b2b2b2b2b2b2b2b", R"(<SYSTEM_INFORMATION_TYPE8>
</SYSTEM_INFORMATION_TYPE8>
)"},
    {"si9_scheduling_of_si13", 0, "06 04 | 00 04 00 | c9 9d 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b",
     R"(<SYSTEM_INFORMATION_TYPE9>
<RACH_Control_Parameter>
<Max_retrans>0</Max_retrans>
<Tx_integer>
(0)3slots used to spread transmission</Tx_integer>
<CELL_BARR_ACCESS>
(0)The cell is not barred</CELL_BARR_ACCESS>
<RE>
(0)Call Reestablishment allowed in the cell</RE>
<EC>
(1)Emergency call not allowed in the cell except for the MSs that belong to one of the classes between 11 to 15</EC>
<ACCN>10</ACCN>
</RACH_Control_Parameter>
<SI_9_Rest_Octets>
<Scheduling_info>
<Info_type>
<Info_type_5>
(9)System Information type 13</Info_type_5>
</Info_type>
<Position>
<Positions>5</Positions>
</Position>
</Scheduling_info>
</SI_9_Rest_Octets>
</SYSTEM_INFORMATION_TYPE9>
)"},
};

// The real cell's SI 13 from the network control order on, shared by the
// cases that vary its first octets.
#define SI13_REAL_CELL_TAIL                                                                        \
  "<NETWORK_CONTROL_ORDER>\n"                                                                      \
  "(0)NC0_MS controlled cell re-selection, no measurement reporting</NETWORK_CONTROL_ORDER>\n"     \
  "<GPRS_Cell_Options>\n"                                                                          \
  "<NMO>\n"                                                                                        \
  "(1)Network Mode of Operation II</NMO>\n"                                                        \
  "<T3168>0</T3168>\n"                                                                             \
  "<T3192>\n"                                                                                      \
  "(7)time 200 msec</T3192>\n"                                                                     \
  "<DRX_TIMER_MAX>\n"                                                                              \
  "(7)64s</DRX_TIMER_MAX>\n"                                                                       \
  "<ACCESS_BURST_TYPE>\n"                                                                          \
  "(0)bit_8 format shall be used</ACCESS_BURST_TYPE>\n"                                            \
  "<CONTROL_ACK_TYPE>\n"                                                                           \
  "(1)default format is RLC/MAC control block</CONTROL_ACK_TYPE>\n"                                \
  "<BS_CV_MAX>6</BS_CV_MAX>\n"                                                                     \
  "<PAN_DEC>1</PAN_DEC>\n"                                                                         \
  "<PAN_INC>2</PAN_INC>\n"                                                                         \
  "<PAN_MAX>\n"                                                                                    \
  "(4)maximum value allowed for counter N3102 is20</PAN_MAX>\n"                                    \
  "<Extension_Information>\n"                                                                      \
  "<Length>9</Length>\n"                                                                           \
  "<PFC_FEATURE_MODE>\n"                                                                           \
  "(0)The network does not support packet flow context procedures</PFC_FEATURE_MODE>\n"            \
  "<DTM_SUPPORT>\n"                                                                                \
  "(0)The cell does not support DTM procedures.</DTM_SUPPORT>\n"                                   \
  "<BSS_PAGING_COORDINATION>\n"                                                                    \
  "(0)The cell does not support Circuit-Switched paging co-ordination</BSS_PAGING_COORDINATION>\n" \
  "</Extension_Information>\n"                                                                     \
  "</GPRS_Cell_Options>\n"                                                                         \
  "<GPRS_Power_Control>\n"                                                                         \
  "<ALPHA>\n"                                                                                      \
  "(0)0.000000</ALPHA>\n"                                                                          \
  "<T_AVG_W>12</T_AVG_W>\n"                                                                        \
  "<T_AVG_T>10</T_AVG_T>\n"                                                                        \
  "<N_AVG_I>2</N_AVG_I>\n"                                                                         \
  "<PC_MEAS_CHAN>\n"                                                                               \
  "(0)downlink measurements for power control shall be made on BCCH</PC_MEAS_CHAN>\n"              \
  "</GPRS_Power_Control>\n"                                                                        \
  "<SGSNR>\n"                                                                                      \
  "(1)SGSN is Release 99 onwards</SGSNR>\n"                                                        \
  "<SI_STATUS_IND>\n"                                                                              \
  "(1)The network supports the PACKET SI STATUS message</SI_STATUS_IND>\n"                         \
  "</SI_13_Rest_Octets>\n"                                                                         \
  "</SYSTEM_INFORMATION_TYPE13>\n"

// GPRS and 3G rest octets: SI 13, 2ter, 2quater, 14 to 20.
const Golden kSiRestGolden[] = {
    // Octet 1 0xC9: H, BCCH_CHANGE_MARK 4, SI_CHANGE_FIELD 9, a value without
    // a text: the block stops after its note, the rest octets stay open and
    // only the message closes.
    {"si13_si_change_field_without_text_stops", 0,
     "06 00 | c9 00 58 47 eb 4a 92 43 40 62 84 eb 2b 2b 2b 2b 2b 2b 2b 2b",
     R"(<SYSTEM_INFORMATION_TYPE13>
<SI_13_Rest_Octets>
<BCCH_CHANGE_MARK>4</BCCH_CHANGE_MARK>
<SI_CHANGE_FIELD>
(9)</SYSTEM_INFORMATION_TYPE13>
)"},
    // The real cell below with octet 3 0x40 for 0x58: RAC 1, SPGC 0 and
    // PRIORITY_ACCESS_THR 0, a value the table leaves to the fallback text.
    {"si13_priority_access_threshold_fallback", 0,
     "06 00 | c0 00 40 47 eb 4a 92 43 40 62 84 eb 2b 2b 2b 2b 2b 2b 2b 2b",
     R"(<SYSTEM_INFORMATION_TYPE13>
<SI_13_Rest_Octets>
<BCCH_CHANGE_MARK>4</BCCH_CHANGE_MARK>
<SI_CHANGE_FIELD>
(0)Update of unspecified SI message or SI messages</SI_CHANGE_FIELD>
<RAC>1</RAC>
<SPGC_CCCH_SUP>
(0)SPLIT_PG_CYCLE is not supported on CCCH in this cell</SPGC_CCCH_SUP>
<PRIORITY_ACCESS_THR>
(0)packet access is not allowed in the cell</PRIORITY_ACCESS_THR>
)" SI13_REAL_CELL_TAIL},
    {"si13_real_cell_rel4_additions", 0, "06 00 | c0 00 58 47 eb 4a 92 43 40 62 84 eb 2b 2b 2b 2b 2b 2b 2b 2b",
     R"(<SYSTEM_INFORMATION_TYPE13>
<SI_13_Rest_Octets>
<BCCH_CHANGE_MARK>4</BCCH_CHANGE_MARK>
<SI_CHANGE_FIELD>
(0)Update of unspecified SI message or SI messages</SI_CHANGE_FIELD>
<RAC>1</RAC>
<SPGC_CCCH_SUP>
(0)SPLIT_PG_CYCLE is not supported on CCCH in this cell</SPGC_CCCH_SUP>
<PRIORITY_ACCESS_THR>
(6)packet access is allowed for priority level 1 to 4</PRIORITY_ACCESS_THR>
)" SI13_REAL_CELL_TAIL},
    // EGPRS off, yet the extension goes on with PFC and DTM support.
    {"si13_mobile_allocation_and_extension_without_egprs", 0,
     "06 00 | 80 a3 d4 0e c0 2e 40 00 10 da 80 08 2b 2b 2b 2b 2b 2b 2b 2b",
     R"(<SYSTEM_INFORMATION_TYPE13>
<SI_13_Rest_Octets>
<BCCH_CHANGE_MARK>0</BCCH_CHANGE_MARK>
<SI_CHANGE_FIELD>
(0)Update of unspecified SI message or SI messages</SI_CHANGE_FIELD>
<SI13_CHANGE_MARK>1</SI13_CHANGE_MARK>
<GPRS_Mobile_Allocation>
<HSN>7</HSN>
<RFL_number_list>
<RFL_NUMBER>5</RFL_NUMBER>
</RFL_number_list>
<MA_BITMAP>
<MA_LENGTH>3</MA_LENGTH>
<radio_frequency_channel>
<ARFCN>0</ARFCN>
<ARFCN>2</ARFCN>
<ARFCN>3</ARFCN>
</radio_frequency_channel>
</MA_BITMAP>
</GPRS_Mobile_Allocation>
<RAC>1</RAC>
<SPGC_CCCH_SUP>
(0)SPLIT_PG_CYCLE is not supported on CCCH in this cell</SPGC_CCCH_SUP>
<PRIORITY_ACCESS_THR>
(7)packet access allowed</PRIORITY_ACCESS_THR>
<NETWORK_CONTROL_ORDER>
(0)NC0_MS controlled cell re-selection, no measurement reporting</NETWORK_CONTROL_ORDER>
<GPRS_Cell_Options>
<NMO>
(2)Network Mode of Operation III</NMO>
<T3168>0</T3168>
<T3192>
(0)time 500 msec</T3192>
<DRX_TIMER_MAX>
(0)0s</DRX_TIMER_MAX>
<ACCESS_BURST_TYPE>
(0)bit_8 format shall be used</ACCESS_BURST_TYPE>
<CONTROL_ACK_TYPE>
(0)default format is four access bursts</CONTROL_ACK_TYPE>
<BS_CV_MAX>0</BS_CV_MAX>
<Extension_Information>
<Length>3</Length>
<PFC_FEATURE_MODE>
(1)The network supports packet flow context procedures.</PFC_FEATURE_MODE>
<DTM_SUPPORT>
(1)The cell supports DTM procedures.</DTM_SUPPORT>
<BSS_PAGING_COORDINATION>
(0)The cell does not support Circuit-Switched paging co-ordination</BSS_PAGING_COORDINATION>
</Extension_Information>
</GPRS_Cell_Options>
<GPRS_Power_Control>
<ALPHA>
(10)1.000000</ALPHA>
<T_AVG_W>0</T_AVG_W>
<T_AVG_T>0</T_AVG_T>
<N_AVG_I>0</N_AVG_I>
<PC_MEAS_CHAN>
(1)downlink measurements for power control shall be made on PDCH</PC_MEAS_CHAN>
</GPRS_Power_Control>
</SI_13_Rest_Octets>
</SYSTEM_INFORMATION_TYPE13>
)"},
    // An extension of length 0 holds only its EGPRS bit: the set bits after it are ALPHA, not PFC, DTM and BSS.
    {"si13_extension_length_0_bounds_its_fields", 0,
     "06 00 | 80 00 5c 40 00 20 3c 22 9b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b",
     R"(<SYSTEM_INFORMATION_TYPE13>
<SI_13_Rest_Octets>
<BCCH_CHANGE_MARK>0</BCCH_CHANGE_MARK>
<SI_CHANGE_FIELD>
(0)Update of unspecified SI message or SI messages</SI_CHANGE_FIELD>
<RAC>1</RAC>
<SPGC_CCCH_SUP>
(0)SPLIT_PG_CYCLE is not supported on CCCH in this cell</SPGC_CCCH_SUP>
<PRIORITY_ACCESS_THR>
(7)packet access allowed</PRIORITY_ACCESS_THR>
<NETWORK_CONTROL_ORDER>
(0)NC0_MS controlled cell re-selection, no measurement reporting</NETWORK_CONTROL_ORDER>
<GPRS_Cell_Options>
<NMO>
(1)Network Mode of Operation II</NMO>
<T3168>0</T3168>
<T3192>
(0)time 500 msec</T3192>
<DRX_TIMER_MAX>
(0)0s</DRX_TIMER_MAX>
<ACCESS_BURST_TYPE>
(0)bit_8 format shall be used</ACCESS_BURST_TYPE>
<CONTROL_ACK_TYPE>
(0)default format is four access bursts</CONTROL_ACK_TYPE>
<BS_CV_MAX>0</BS_CV_MAX>
<Extension_Information>
<Length>0</Length>
<PFC_FEATURE_MODE>
(0)The network does not support packet flow context procedures</PFC_FEATURE_MODE>
<DTM_SUPPORT>
(0)The cell does not support DTM procedures.</DTM_SUPPORT>
<BSS_PAGING_COORDINATION>
(0)The cell does not support Circuit-Switched paging co-ordination</BSS_PAGING_COORDINATION>
</Extension_Information>
</GPRS_Cell_Options>
<GPRS_Power_Control>
<ALPHA>
(15)1.000000</ALPHA>
<T_AVG_W>1</T_AVG_W>
<T_AVG_T>2</T_AVG_T>
<N_AVG_I>3</N_AVG_I>
<PC_MEAS_CHAN>
(1)downlink measurements for power control shall be made on PDCH</PC_MEAS_CHAN>
</GPRS_Power_Control>
</SI_13_Rest_Octets>
</SYSTEM_INFORMATION_TYPE13>
)"},
    // H, BCCH_CHANGE_MARK 010, SI_CHANGE_FIELD 0001, no MA (0), PBCCH (1),
    // PSI1_REPEAT_PERIOD 0101, Pb 0011, TSC 101, TN 010, then 1 MAIO 000111
    // and L: no Release 99 group.
    {"si13_pbcch_choice", 0, "06 00 | a1 54 ea 8f 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b",
     R"(<SYSTEM_INFORMATION_TYPE13>
<SI_13_Rest_Octets>
<BCCH_CHANGE_MARK>2</BCCH_CHANGE_MARK>
<SI_CHANGE_FIELD>
(1)Update of SI1 message</SI_CHANGE_FIELD>
<PSI1_REPEAT_PERIOD>
(5)PSI1 repeat period equal5multiframes</PSI1_REPEAT_PERIOD>
<PBCCH_Description>
<Pb>
(3)equal-6dB</Pb>
<TSC>5</TSC>
<MAIO>7</MAIO>
</PBCCH_Description>
</SI_13_Rest_Octets>
</SYSTEM_INFORMATION_TYPE13>
)"},
    // The same up to TN, then 01 ARFCN 0001111011 (123), H SGSNR 1, H
    // SI_STATUS_IND 1 (the Release 4 group inside the Release 99 one), L.
    {"si13_pbcch_arfcn_and_release_4_inside_release_99", 0,
     "06 00 | a1 54 ea 47 b5 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b",
     R"(<SYSTEM_INFORMATION_TYPE13>
<SI_13_Rest_Octets>
<BCCH_CHANGE_MARK>2</BCCH_CHANGE_MARK>
<SI_CHANGE_FIELD>
(1)Update of SI1 message</SI_CHANGE_FIELD>
<PSI1_REPEAT_PERIOD>
(5)PSI1 repeat period equal5multiframes</PSI1_REPEAT_PERIOD>
<PBCCH_Description>
<Pb>
(3)equal-6dB</Pb>
<TSC>5</TSC>
<ARFCN>123</ARFCN>
</PBCCH_Description>
<SGSNR>
(1)SGSN is Release 99 onwards</SGSNR>
<SI_STATUS_IND>
(1)The network supports the PACKET SI STATUS message</SI_STATUS_IND>
</SI_13_Rest_Octets>
</SYSTEM_INFORMATION_TYPE13>
)"},
    // 00: PBCCH on the BCCH carrier; then L (no Release 99 group): the H 1
    // after it is padding, not SI_STATUS_IND.
    {"si13_pbcch_bcch_carrier_and_no_release_99", 0,
     "06 00 | a1 54 ea 3b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b",
     R"(<SYSTEM_INFORMATION_TYPE13>
<SI_13_Rest_Octets>
<BCCH_CHANGE_MARK>2</BCCH_CHANGE_MARK>
<SI_CHANGE_FIELD>
(1)Update of SI1 message</SI_CHANGE_FIELD>
<PSI1_REPEAT_PERIOD>
(5)PSI1 repeat period equal5multiframes</PSI1_REPEAT_PERIOD>
<PBCCH_Description>
<Pb>
(3)equal-6dB</Pb>
<TSC>5</TSC>
</PBCCH_Description>
</SI_13_Rest_Octets>
</SYSTEM_INFORMATION_TYPE13>
)"},
    {"si13_first_bit_l_is_empty", 0, "06 00 | 00 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b",
     R"(<SYSTEM_INFORMATION_TYPE13>
</SYSTEM_INFORMATION_TYPE13>
)"},
    // SI_CHANGE_FIELD 8 has no text: the block stops after the note, the message still closes.
    {"si13_change_field_without_text_stops", 0, "06 00 | 88 00 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b",
     R"(<SYSTEM_INFORMATION_TYPE13>
<SI_13_Rest_Octets>
<BCCH_CHANGE_MARK>0</BCCH_CHANGE_MARK>
<SI_CHANGE_FIELD>
(8)</SYSTEM_INFORMATION_TYPE13>
)"},
    {"si2ter_fdd_arfcn", 0, "06 03 | 50 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 | c9 da 50 c3",
     R"(<SYSTEM_INFORMATION_TYPE2ter>
<Neighbour_Cell_Description2>
<Multiband_reporting>
(2)The MS shall report the two strongest cells</Multiband_reporting>
<BA_IND>1</BA_IND>
<Cell_Channel_Description>
<FORMAT_ID>0</FORMAT_ID>
<Bitmap0format>
<Length_of_Frequency_List>16</Length_of_Frequency_List>
</Bitmap0format>
</Cell_Channel_Description>
</Neighbour_Cell_Description2>
<SI_2ter_Rest_Octets>
<SI2ter_MP_CHANGE_MARK>
(1)changed</SI2ter_MP_CHANGE_MARK>
<SI2ter_3G_CHANGE_MARK>
(0)no changed</SI2ter_3G_CHANGE_MARK>
<SI2ter_INDEX>2</SI2ter_INDEX>
<SI2ter_COUNT>3</SI2ter_COUNT>
<UTRAN_FDD_Description>
<FDD_ARFCN>10563</FDD_ARFCN>
</UTRAN_FDD_Description>
</SI_2ter_Rest_Octets>
</SYSTEM_INFORMATION_TYPE2ter>
)"},
    {"si2ter_tdd_and_measurement", 0, "06 03 | 50 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 | a0 24 d6 71",
     R"(<SYSTEM_INFORMATION_TYPE2ter>
<Neighbour_Cell_Description2>
<Multiband_reporting>
(2)The MS shall report the two strongest cells</Multiband_reporting>
<BA_IND>1</BA_IND>
<Cell_Channel_Description>
<FORMAT_ID>0</FORMAT_ID>
<Bitmap0format>
<Length_of_Frequency_List>16</Length_of_Frequency_List>
</Bitmap0format>
</Cell_Channel_Description>
</Neighbour_Cell_Description2>
<SI_2ter_Rest_Octets>
<SI2ter_MP_CHANGE_MARK>
(0)no changed</SI2ter_MP_CHANGE_MARK>
<SI2ter_3G_CHANGE_MARK>
(1)changed</SI2ter_3G_CHANGE_MARK>
<SI2ter_INDEX>0</SI2ter_INDEX>
<SI2ter_COUNT>0</SI2ter_COUNT>
<UTRAN_TDD_Description>
<Bandwidth_TDD>
(1)speed1.28Mcps</Bandwidth_TDD>
</UTRAN_TDD_Description>
<MEASUREMENT_Parameters_Description_for_3G>
<Qsearch_I>5</Qsearch_I>
<FDD_Qoffset>3</FDD_Qoffset>
<FDD_Qmin>4</FDD_Qmin>
</MEASUREMENT_Parameters_Description_for_3G>
</SI_2ter_Rest_Octets>
</SYSTEM_INFORMATION_TYPE2ter>
)"},
    // Instance 1 of 9 from a live network: nine UTRAN FDD cells of one UARFCN, then its UTRAN priority marks.
    {"si2quater_real_fdd_cells", 0, "06 07 | e3 00 25 18 06 4b 7e a5 11 fa ef 88 8a 7f fe 10 9b 00 2b 2b",
     R"(<SYSTEM_INFORMATION_TYPE2quater>
<SI2quater_Rest_Octets>
<BA_IND>1</BA_IND>
<BA_IND_3G>1</BA_IND_3G>
<MP_CHANGE_MARK>1</MP_CHANGE_MARK>
<SI2quater_INDEX>1</SI2quater_INDEX>
<SI2quater_COUNT>8</SI2quater_COUNT>
<Neighbour_Cell_Description_for_3G>
<UTRAN_FDD_Description>
<Repeated_UTRAN_FDD_Neighbour_Cells>
<FDD_ARFCN>3075</FDD_ARFCN>
<FDD_Indic0>0</FDD_Indic0>
<NR_OF_FDD_CELLS>9</NR_OF_FDD_CELLS>
<Cell>
<W>447</W>
<SCRAMBLING_CODE>447</SCRAMBLING_CODE>
<Diversity>0</Diversity>
</Cell>
<Cell>
<W>165</W>
<SCRAMBLING_CODE>100</SCRAMBLING_CODE>
<Diversity>0</Diversity>
</Cell>
<Cell>
<W>35</W>
<SCRAMBLING_CODE>482</SCRAMBLING_CODE>
<Diversity>0</Diversity>
</Cell>
<Cell>
<W>245</W>
<SCRAMBLING_CODE>89</SCRAMBLING_CODE>
<Diversity>0</Diversity>
</Cell>
<Cell>
<W>223</W>
<SCRAMBLING_CODE>449</SCRAMBLING_CODE>
<Diversity>0</Diversity>
</Cell>
<Cell>
<W>17</W>
<SCRAMBLING_CODE>117</SCRAMBLING_CODE>
<Diversity>0</Diversity>
</Cell>
<Cell>
<W>20</W>
<SCRAMBLING_CODE>502</SCRAMBLING_CODE>
<Diversity>0</Diversity>
</Cell>
<Cell>
<W>127</W>
<SCRAMBLING_CODE>88</SCRAMBLING_CODE>
<Diversity>0</Diversity>
</Cell>
<Cell>
<W>127</W>
<SCRAMBLING_CODE>448</SCRAMBLING_CODE>
<Diversity>0</Diversity>
</Cell>
</Repeated_UTRAN_FDD_Neighbour_Cells>
</UTRAN_FDD_Description>
</Neighbour_Cell_Description_for_3G>
<3G_CCN_ACTIVE>0</3G_CCN_ACTIVE>
<Priority_and_E_UTRAN_Parameters_Description>
<3G_Priority_Parameters_Description>
<UTRAN_Start>1</UTRAN_Start>
<UTRAN_Stop>0</UTRAN_Stop>
</3G_Priority_Parameters_Description>
</Priority_and_E_UTRAN_Parameters_Description>
</SI2quater_Rest_Octets>
</SYSTEM_INFORMATION_TYPE2quater>
)"},
    // Groups 1 to 7 on, 8 to 10 off; the last group bit is the block's last bit.
    {"si2quater_gsm_groups", 0, "06 07 | a0 1d 9a 40 fc ac c0 f1 aa 06 4c 1d ab da 6f 05 a1 e1 30 50",
     R"(<SYSTEM_INFORMATION_TYPE2quater>
<SI2quater_Rest_Octets>
<BA_IND>1</BA_IND>
<BA_IND_3G>0</BA_IND_3G>
<MP_CHANGE_MARK>1</MP_CHANGE_MARK>
<SI2quater_INDEX>0</SI2quater_INDEX>
<SI2quater_COUNT>0</SI2quater_COUNT>
<Measurement_Parameters_Description>
<REPORT_TYPE>
(1)Normal type the MS shall use</REPORT_TYPE>
<SERVING_BAND_REPORTING>
(2)The number of cells from the GSM serving frequency band 2</SERVING_BAND_REPORTING>
</Measurement_Parameters_Description>
<GPRS_Real_Time_Difference_Description>
<RTD6>
<RTD_Struct>
<BA_Index>0</BA_Index>
<RTD>
(52)The real time difference to other GSM cells 1TDMA frames</RTD>
</RTD_Struct>
<RTD_Struct>
<BA_Index>1</BA_Index>
<RTD>
(3)The real time difference to other GSM cells 3TDMA frames</RTD>
</RTD_Struct>
</RTD6>
<RTD12>
<BA_Index_Start_RTD>5</BA_Index_Start_RTD>
<RTD_Struct>
<BA_Index>5</BA_Index>
<RTD>
(3264)The real time difference to other GSM cells 1TDMA frames</RTD>
</RTD_Struct>
</RTD12>
</GPRS_Real_Time_Difference_Description>
<GPRS_BSIC_Description>
<BA_Index_Start_BSIC>3</BA_Index_Start_BSIC>
<BSIC>21</BSIC>
<Number_Remaining_BSIC>1</Number_Remaining_BSIC>
<Frequency_Scrolling>1</Frequency_Scrolling>
<BSIC>9</BSIC>
</GPRS_BSIC_Description>
<GPRS_REPORT_PRIORITY_Description>
<Number_Cells>3</Number_Cells>
<REP_PRIORITY>1</REP_PRIORITY>
<REP_PRIORITY>0</REP_PRIORITY>
<REP_PRIORITY>1</REP_PRIORITY>
</GPRS_REPORT_PRIORITY_Description>
<GPRS_MEASUREMENT_Parameters_Description>
<REPORT_TYPE>
(0)Enhanced type the MS shall use</REPORT_TYPE>
<REPORTING_RATE>1</REPORTING_RATE>
<INVALID_BSIC_REPORTING>0</INVALID_BSIC_REPORTING>
<Multiband_reporting>
(1)The MS shall report the strongest cell</Multiband_reporting>
<SERVING_BAND_REPORTING>
(3)The number of cells from the GSM serving frequency band 3</SERVING_BAND_REPORTING>
<SCALE_ORD>
(1)values dB10dB</SCALE_ORD>
<900_REPORTING_OFFSET>2</900_REPORTING_OFFSET>
<900_REPORTING_THRESHOLD>3</900_REPORTING_THRESHOLD>
<400_REPORTING_OFFSET>7</400_REPORTING_OFFSET>
<400_REPORTING_THRESHOLD>0</400_REPORTING_THRESHOLD>
</GPRS_MEASUREMENT_Parameters_Description>
<NC_Measurement_Parameters>
<NETWORK_CONTROL_ORDER>
(1)NC1_MS controlled cell re-selection, MS sends measurement reports</NETWORK_CONTROL_ORDER>
<NC_NON_DRX_PERIOD>
(2)sec0.480000</NC_NON_DRX_PERIOD>
<NC_REPORTING_PERIOD_I>
<NC_REPORTING_PERIOD>
(0)sec0.480000</NC_REPORTING_PERIOD>
</NC_REPORTING_PERIOD_I>
<NC_REPORTING_PERIOD_T>
<NC_REPORTING_PERIOD>
(7)sec61.440000</NC_REPORTING_PERIOD>
</NC_REPORTING_PERIOD_T>
</NC_Measurement_Parameters>
<SI2q_Extension_Information>
<extension_length>9</extension_length>
<CCN_Support_Description>
<Number_Cells>2</Number_Cells>
<CCN_SUPPORTED>1</CCN_SUPPORTED>
<CCN_SUPPORTED>0</CCN_SUPPORTED>
</CCN_Support_Description>
</SI2q_Extension_Information>
</SI2quater_Rest_Octets>
</SYSTEM_INFORMATION_TYPE2quater>
)"},
    // Groups 8 to 10 on, in instance 1 of 2: FDD cells with the value 0 in the set, a TDD cell.
    {"si2quater_3g_groups", 0, "06 07 | 42 20 30 b0 78 a9 cc 88 c8 ce 33 4a 38 0e 15 7e 2a 9d aa 51",
     R"(<SYSTEM_INFORMATION_TYPE2quater>
<SI2quater_Rest_Octets>
<BA_IND>0</BA_IND>
<BA_IND_3G>1</BA_IND_3G>
<MP_CHANGE_MARK>0</MP_CHANGE_MARK>
<SI2quater_INDEX>1</SI2quater_INDEX>
<SI2quater_COUNT>1</SI2quater_COUNT>
<Neighbour_Cell_Description_for_3G>
<Index_Start_3G>5</Index_Start_3G>
<Absolute_Index_Start_EMR>3</Absolute_Index_Start_EMR>
<UTRAN_FDD_Description>
<Bandwidth_FDD>0</Bandwidth_FDD>
<Repeated_UTRAN_FDD_Neighbour_Cells>
<FDD_ARFCN>10700</FDD_ARFCN>
<FDD_Indic0>1</FDD_Indic0>
<NR_OF_FDD_CELLS>2</NR_OF_FDD_CELLS>
<Cell>
<SCRAMBLING_CODE>0</SCRAMBLING_CODE>
<Diversity>0</Diversity>
</Cell>
<Cell>
<W>200</W>
<SCRAMBLING_CODE>200</SCRAMBLING_CODE>
<Diversity>0</Diversity>
</Cell>
<Cell>
<W>412</W>
<SCRAMBLING_CODE>100</SCRAMBLING_CODE>
<Diversity>0</Diversity>
</Cell>
</Repeated_UTRAN_FDD_Neighbour_Cells>
</UTRAN_FDD_Description>
<UTRAN_TDD_Description>
<Bandwidth_TDD>
(1)speed1.28Mcps</Bandwidth_TDD>
<Repeated_UTRAN_TDD_Neighbour_Cells>
<TDD_ARFCN>9500</TDD_ARFCN>
<TDD_Indic0>0</TDD_Indic0>
<NR_OF_TDD_CELLS>1</NR_OF_TDD_CELLS>
<Cell>
<W>389</W>
<Cell_Parameter>5</Cell_Parameter>
<Sync_Case>1</Sync_Case>
<Diversity>1</Diversity>
</Cell>
</Repeated_UTRAN_TDD_Neighbour_Cells>
</UTRAN_TDD_Description>
</Neighbour_Cell_Description_for_3G>
<Measurement_Parameters_Description_for_3G>
<Qsearch_I>7</Qsearch_I>
<Qsearch_C_Initial>1</Qsearch_C_Initial>
<FDD_Qoffset>8</FDD_Qoffset>
<FDD_REP_QUANT>1</FDD_REP_QUANT>
<FDD_MULTIRAT_REPORTING>1</FDD_MULTIRAT_REPORTING>
<FDD_Qmin>2</FDD_Qmin>
<TDD_Qoffset>3</TDD_Qoffset>
<TDD_MULTIRAT_REPORTING>2</TDD_MULTIRAT_REPORTING>
</Measurement_Parameters_Description_for_3G>
<GPRS_3G_MEASUREMENT_Parameters_Description>
<Qsearch_P>10</Qsearch_P>
<3G_SEARCH_PRIO>1</3G_SEARCH_PRIO>
<FDD_REPORTING_OFFSET>1</FDD_REPORTING_OFFSET>
<FDD_REPORTING_THRESHOLD>2</FDD_REPORTING_THRESHOLD>
</GPRS_3G_MEASUREMENT_Parameters_Description>
</SI2quater_Rest_Octets>
</SYSTEM_INFORMATION_TYPE2quater>
)"},
    {"si2quater_every_group_minimal", 0, "06 07 | 00 11 2f c0 40 79 03 a0 08 40 45 cf 47 2b 2b 2b 2b 2b 2b 2b",
     R"(<SYSTEM_INFORMATION_TYPE2quater>
<SI2quater_Rest_Octets>
<BA_IND>0</BA_IND>
<BA_IND_3G>0</BA_IND_3G>
<MP_CHANGE_MARK>0</MP_CHANGE_MARK>
<SI2quater_INDEX>0</SI2quater_INDEX>
<SI2quater_COUNT>0</SI2quater_COUNT>
<Measurement_Parameters_Description>
<REPORT_TYPE>
(0)Enhanced type the MS shall use</REPORT_TYPE>
<SERVING_BAND_REPORTING>
(0)The number of cells from the GSM serving frequency band 0</SERVING_BAND_REPORTING>
</Measurement_Parameters_Description>
<GPRS_Real_Time_Difference_Description>
</GPRS_Real_Time_Difference_Description>
<GPRS_BSIC_Description>
<BSIC>63</BSIC>
<Number_Remaining_BSIC>0</Number_Remaining_BSIC>
</GPRS_BSIC_Description>
<GPRS_REPORT_PRIORITY_Description>
<Number_Cells>0</Number_Cells>
</GPRS_REPORT_PRIORITY_Description>
<GPRS_MEASUREMENT_Parameters_Description>
<REPORT_TYPE>
(1)Normal type the MS shall use</REPORT_TYPE>
<REPORTING_RATE>1</REPORTING_RATE>
<INVALID_BSIC_REPORTING>1</INVALID_BSIC_REPORTING>
<SCALE_ORD>
(2)automaticvalues dBdB</SCALE_ORD>
</GPRS_MEASUREMENT_Parameters_Description>
<NC_Measurement_Parameters>
<NETWORK_CONTROL_ORDER>
(3)Reserved for future use, interpreted as NC0 by mobile station</NETWORK_CONTROL_ORDER>
</NC_Measurement_Parameters>
<SI2q_Extension_Information>
<extension_length>0</extension_length>
</SI2q_Extension_Information>
<Neighbour_Cell_Description_for_3G>
</Neighbour_Cell_Description_for_3G>
<Measurement_Parameters_Description_for_3G>
<Qsearch_I>0</Qsearch_I>
<Qsearch_C_Initial>0</Qsearch_C_Initial>
</Measurement_Parameters_Description_for_3G>
<GPRS_3G_MEASUREMENT_Parameters_Description>
<Qsearch_P>1</Qsearch_P>
<3G_SEARCH_PRIO>0</3G_SEARCH_PRIO>
<FDD_REP_QUANT>1</FDD_REP_QUANT>
<FDD_MULTIRAT_REPORTING>2</FDD_MULTIRAT_REPORTING>
<TDD_MULTIRAT_REPORTING>3</TDD_MULTIRAT_REPORTING>
<TDD_REPORTING_OFFSET>2</TDD_REPORTING_OFFSET>
<TDD_REPORTING_THRESHOLD>1</TDD_REPORTING_THRESHOLD>
</GPRS_3G_MEASUREMENT_Parameters_Description>
</SI2quater_Rest_Octets>
</SYSTEM_INFORMATION_TYPE2quater>
)"},
    // SCALE_ORD 3 has no text: the block stops there, the message still closes.
    {"si2quater_scale_ord_without_text_stops", 0, "06 07 | 00 01 07 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b",
     R"(<SYSTEM_INFORMATION_TYPE2quater>
<SI2quater_Rest_Octets>
<BA_IND>0</BA_IND>
<BA_IND_3G>0</BA_IND_3G>
<MP_CHANGE_MARK>0</MP_CHANGE_MARK>
<SI2quater_INDEX>0</SI2quater_INDEX>
<SI2quater_COUNT>0</SI2quater_COUNT>
<GPRS_MEASUREMENT_Parameters_Description>
<REPORT_TYPE>
(0)Enhanced type the MS shall use</REPORT_TYPE>
<REPORTING_RATE>0</REPORTING_RATE>
<INVALID_BSIC_REPORTING>0</INVALID_BSIC_REPORTING>
<SCALE_ORD>
(3)</SYSTEM_INFORMATION_TYPE2quater>
)"},
    // Releases 5 to 8 behind their H marks: a live cell's serving priority and LTE neighbours.
    {"si2quater_real_eutran_neighbours", 0, "06 07 | 40 00 04 87 00 00 b3 07 7d 98 3c 62 0f 23 50 79 90 50 0b 2b",
     R"(<SYSTEM_INFORMATION_TYPE2quater>
<SI2quater_Rest_Octets>
<BA_IND>0</BA_IND>
<BA_IND_3G>1</BA_IND_3G>
<MP_CHANGE_MARK>0</MP_CHANGE_MARK>
<SI2quater_INDEX>0</SI2quater_INDEX>
<SI2quater_COUNT>0</SI2quater_COUNT>
<3G_CCN_ACTIVE>0</3G_CCN_ACTIVE>
<Priority_and_E_UTRAN_Parameters_Description>
<Serving_Cell_Priority_Parameters_Description>
<GERAN_PRIORITY>0</GERAN_PRIORITY>
<THRESH_Priority_Search>0</THRESH_Priority_Search>
<THRESH_GSM_low>0</THRESH_GSM_low>
<H_PRIO>0</H_PRIO>
<T_Reselection>0</T_Reselection>
</Serving_Cell_Priority_Parameters_Description>
<E_UTRAN_Parameters_Description>
<E_UTRAN_CCN_ACTIVE>0</E_UTRAN_CCN_ACTIVE>
<E_UTRAN_Start>1</E_UTRAN_Start>
<E_UTRAN_Stop>1</E_UTRAN_Stop>
<Repeated_E_UTRAN_Neighbour_Cells>
<EARFCN>1917</EARFCN>
<Measurement_Bandwidth>1</Measurement_Bandwidth>
<EARFCN>1932</EARFCN>
<EARFCN>1937</EARFCN>
<Measurement_Bandwidth>2</Measurement_Bandwidth>
<EARFCN>1945</EARFCN>
<THRESH_E_UTRAN_high>5</THRESH_E_UTRAN_high>
</Repeated_E_UTRAN_Neighbour_Cells>
</E_UTRAN_Parameters_Description>
</Priority_and_E_UTRAN_Parameters_Description>
</SI2quater_Rest_Octets>
</SYSTEM_INFORMATION_TYPE2quater>
)"},
    // 3G additions, 700 MHz reporting, UTRAN priorities; a 3G CSG description ends the walk.
    {"si2quater_utran_priorities_then_csg", 0, "06 07 | 40 00 07 67 85 d4 6d 6a a6 18 9c f4 e7 2b 2b 2b 2b 2b 2b 2b",
     R"(<SYSTEM_INFORMATION_TYPE2quater>
<SI2quater_Rest_Octets>
<BA_IND>0</BA_IND>
<BA_IND_3G>1</BA_IND_3G>
<MP_CHANGE_MARK>0</MP_CHANGE_MARK>
<SI2quater_INDEX>0</SI2quater_INDEX>
<SI2quater_COUNT>0</SI2quater_COUNT>
<3G_Additional_Measurement_Parameters_Description>
<FDD_Qmin_Offset>5</FDD_Qmin_Offset>
<FDD_RSCPmin>9</FDD_RSCPmin>
</3G_Additional_Measurement_Parameters_Description>
<3G_ADDITIONAL_MEASUREMENT_Parameters_Description_2>
<FDD_REPORTING_THRESHOLD_2>33</FDD_REPORTING_THRESHOLD_2>
</3G_ADDITIONAL_MEASUREMENT_Parameters_Description_2>
<3G_CCN_ACTIVE>1</3G_CCN_ACTIVE>
<700_REPORTING_OFFSET>2</700_REPORTING_OFFSET>
<700_REPORTING_THRESHOLD>4</700_REPORTING_THRESHOLD>
<Priority_and_E_UTRAN_Parameters_Description>
<3G_Priority_Parameters_Description>
<UTRAN_Start>1</UTRAN_Start>
<UTRAN_Stop>0</UTRAN_Stop>
<DEFAULT_UTRAN_PRIORITY>3</DEFAULT_UTRAN_PRIORITY>
<DEFAULT_THRESH_UTRAN>10</DEFAULT_THRESH_UTRAN>
<DEFAULT_UTRAN_QRXLEVMIN>20</DEFAULT_UTRAN_QRXLEVMIN>
<Repeated_UTRAN_Priority_Parameters>
<UTRAN_FREQUENCY_INDEX>1</UTRAN_FREQUENCY_INDEX>
<UTRAN_FREQUENCY_INDEX>2</UTRAN_FREQUENCY_INDEX>
<UTRAN_PRIORITY>6</UTRAN_PRIORITY>
<THRESH_UTRAN_high>15</THRESH_UTRAN_high>
<UTRAN_QRXLEVMIN>7</UTRAN_QRXLEVMIN>
</Repeated_UTRAN_Priority_Parameters>
</3G_Priority_Parameters_Description>
</Priority_and_E_UTRAN_Parameters_Description>
<3G_CSG_Description>
</3G_CSG_Description>
</SI2quater_Rest_Octets>
</SYSTEM_INFORMATION_TYPE2quater>
)"},
    // The threshold branch of the measurement parameters carries no
    // REPORTING_GRANULARITY: the neighbour list follows the TDD flag.
    {"si2quater_eutran_measurement_not_allowed_ta_mapping", 0,
     "06 07 | 40 00 04 86 5e 2b 2f 0c 62 70 d5 0f ea c3 56 a3 81 c0 16 2b",
     R"(<SYSTEM_INFORMATION_TYPE2quater>
<SI2quater_Rest_Octets>
<BA_IND>0</BA_IND>
<BA_IND_3G>1</BA_IND_3G>
<MP_CHANGE_MARK>0</MP_CHANGE_MARK>
<SI2quater_INDEX>0</SI2quater_INDEX>
<SI2quater_COUNT>0</SI2quater_COUNT>
<3G_CCN_ACTIVE>0</3G_CCN_ACTIVE>
<Priority_and_E_UTRAN_Parameters_Description>
<E_UTRAN_Parameters_Description>
<E_UTRAN_CCN_ACTIVE>0</E_UTRAN_CCN_ACTIVE>
<E_UTRAN_Start>1</E_UTRAN_Start>
<E_UTRAN_Stop>1</E_UTRAN_Stop>
<E_UTRAN_Measurement_Parameters_Description>
<Qsearch_C_E_UTRAN_Initial>8</Qsearch_C_E_UTRAN_Initial>
<E_UTRAN_REP_QUANT>1</E_UTRAN_REP_QUANT>
<E_UTRAN_MULTIRAT_REPORTING>1</E_UTRAN_MULTIRAT_REPORTING>
<E_UTRAN_FDD_REPORTING_THRESHOLD>4</E_UTRAN_FDD_REPORTING_THRESHOLD>
<E_UTRAN_FDD_REPORTING_THRESHOLD_2>30</E_UTRAN_FDD_REPORTING_THRESHOLD_2>
</E_UTRAN_Measurement_Parameters_Description>
<Repeated_E_UTRAN_Neighbour_Cells>
<EARFCN>6300</EARFCN>
<E_UTRAN_PRIORITY>5</E_UTRAN_PRIORITY>
<THRESH_E_UTRAN_high>10</THRESH_E_UTRAN_high>
</Repeated_E_UTRAN_Neighbour_Cells>
<Repeated_E_UTRAN_Not_Allowed_Cells>
<PCID>501</PCID>
<PCID_BITMAP_GROUP>33</PCID_BITMAP_GROUP>
<PCID_Pattern_length>2</PCID_Pattern_length>
<PCID_Pattern>5</PCID_Pattern>
<PCID_pattern_sense>1</PCID_pattern_sense>
<E_UTRAN_FREQUENCY_INDEX>2</E_UTRAN_FREQUENCY_INDEX>
</Repeated_E_UTRAN_Not_Allowed_Cells>
<Repeated_E_UTRAN_PCID_to_TA_mapping>
<PCID_to_TA_mapping>
<PCID>7</PCID>
</PCID_to_TA_mapping>
</Repeated_E_UTRAN_PCID_to_TA_mapping>
</E_UTRAN_Parameters_Description>
</Priority_and_E_UTRAN_Parameters_Description>
</SI2quater_Rest_Octets>
</SYSTEM_INFORMATION_TYPE2quater>
)"},
    {"si14_two_mappings", 0, "06 01 | 65 9c 00 01 e4 c0 03 ff ff 2b 2b 2b 2b 2b 2b 2b",
     R"(<SYSTEM_INFORMATION_TYPE14>
<SI_14_or_15_Rest_Octets>
<SI14_or_15_INDEX>1</SI14_or_15_INDEX>
<SI14_or_15_COUNT>2</SI14_or_15_COUNT>
<DM_CHANGE_MARK>5</DM_CHANGE_MARK>
<Dynamic_ARFCN_Mapping>
<DYNAMIC_ARFCN_MAPPING_Description>
<GSM_Band>3</GSM_Band>
<ARFCN_FIRST>512</ARFCN_FIRST>
<BAND_OFFSET>3</BAND_OFFSET>
<ARFCN_RANGE>100</ARFCN_RANGE>
<GSM_Band>8</GSM_Band>
<ARFCN_FIRST>1</ARFCN_FIRST>
<BAND_OFFSET>1023</BAND_OFFSET>
<ARFCN_RANGE>127</ARFCN_RANGE>
</DYNAMIC_ARFCN_MAPPING_Description>
</Dynamic_ARFCN_Mapping>
</SI_14_or_15_Rest_Octets>
</SYSTEM_INFORMATION_TYPE14>
)"},
    // A single instance (INDEX equal to COUNT) is decoded like any other.
    {"si15_single_instance", 0, "06 44 | 01 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b",
     R"(<SYSTEM_INFORMATION_TYPE15>
<SI_14_or_15_Rest_Octets>
<SI14_or_15_INDEX>0</SI14_or_15_INDEX>
<SI14_or_15_COUNT>0</SI14_or_15_COUNT>
<DM_CHANGE_MARK>1</DM_CHANGE_MARK>
<Dynamic_ARFCN_Mapping>
<DYNAMIC_ARFCN_MAPPING_Description>
</DYNAMIC_ARFCN_MAPPING_Description>
</Dynamic_ARFCN_Mapping>
</SI_14_or_15_Rest_Octets>
</SYSTEM_INFORMATION_TYPE15>
)"},
    {"si16_lsa_list", 0, "06 3d | ad 10 60 03 c0 40 00 20 15 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b",
     R"(<SYSTEM_INFORMATION_TYPE16_or_17>
<SI_16_or_17_Rest_Octets>
<LSA_Parameters>
<PRIO_THR>
(2)12dB The PRIO signal strength threshold is related to RXLEV_ACCESS_MIN</PRIO_THR>
<LSA_OFFSET>
(6)48dB Applies an offset to be used for LSA cell reselection between cells with the same LSA priorities</LSA_OFFSET>
<MCC>262</MCC>
<MNC>3</MNC>
<LSA_ID_information>
<LSA_ID>65536</LSA_ID>
</LSA_ID_information>
<LSA_ID_information>
<Short_LSA_ID>5</Short_LSA_ID>
</LSA_ID_information>
</LSA_Parameters>
</SI_16_or_17_Rest_Octets>
</SYSTEM_INFORMATION_TYPE16_or_17>
)"},
    {"si17_without_lsa", 0, "06 3e | 00 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b",
     R"(<SYSTEM_INFORMATION_TYPE17>
<SI_16_or_17_Rest_Octets>
</SI_16_or_17_Rest_Octets>
</SYSTEM_INFORMATION_TYPE17>
)"},
    {"si18_index_1_is_empty", 0, "06 40 | 4c 12 ab 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b 2b",
     R"(<SYSTEM_INFORMATION_TYPE18>
</SYSTEM_INFORMATION_TYPE18>
)"},
    // A short block ends the entries at its last whole entry.
    {"si20_one_container", 0, "06 42 | 04 12 ab", R"(<SYSTEM_INFORMATION_TYPE20>
<SI_18_Rest_Octets>
<SI18_CHANGE_MARK>0</SI18_CHANGE_MARK>
<SI18_INDEX>0</SI18_INDEX>
<SI18_LAST>1</SI18_LAST>
<Non_GSM_Message>
<Non_SM_Protocol_Discriminator>
(0)TIA_EIA_136</Non_SM_Protocol_Discriminator>
<NR_OF_CONTAINER_OCTETS>
(18)CONTAINER_length_is 18octets</NR_OF_CONTAINER_OCTETS>
<CONTAINER>171</CONTAINER>
</Non_GSM_Message>
</SI_18_Rest_Octets>
</SYSTEM_INFORMATION_TYPE20>
)"},
    {"si19_compact_neighbours", 0, "06 41 | 86 32 0e a5 0d 23 71 12 0a 44 c3 0b 2b 2b 2b 2b 2b 2b 2b 2b",
     R"(<SYSTEM_INFORMATION_TYPE19>
<SI_19_Rest_Octets>
<SI19_CHANGE_MARK>2</SI19_CHANGE_MARK>
<SI19_INDEX>0</SI19_INDEX>
<SI19_LAST>1</SI19_LAST>
<COMPACT_Neighbour_Cell>
<START_FREQUENCY>100</START_FREQUENCY>
<COMPACT_Cell_selection_params>
<BSIC>7</BSIC>
<CELL_BAR_ACCESS_2>0</CELL_BAR_ACCESS_2>
<EXC_ACC>1</EXC_ACC>
<SAME_RA_AS_SERVING_CELL>0</SAME_RA_AS_SERVING_CELL>
<GPRS_RXLEV_ACCESS_MIN>10</GPRS_RXLEV_ACCESS_MIN>
<GPRS_MS_TXPWR_MAX_CCH>3</GPRS_MS_TXPWR_MAX_CCH>
<GPRS_RESELECT_OFFSET>4</GPRS_RESELECT_OFFSET>
<TIME_GROUP>
(2)Time Group2</TIME_GROUP>
<GUAR_CONSTANT_PWR_BLKS_field>
(3)Blocks at constant power 12</GUAR_CONSTANT_PWR_BLKS_field>
</COMPACT_Cell_selection_params>
<NR_OF_REMAINING_CELLS>1</NR_OF_REMAINING_CELLS>
<FREQ_DIFF_LENGTH>
(0)LENGTH1bit</FREQ_DIFF_LENGTH>
<FREQUENCY_DIFF>1</FREQUENCY_DIFF>
<COMPACT_Cell_selection_params>
<BSIC>8</BSIC>
<CELL_BAR_ACCESS_2>0</CELL_BAR_ACCESS_2>
<EXC_ACC>0</EXC_ACC>
<SAME_RA_AS_SERVING_CELL>1</SAME_RA_AS_SERVING_CELL>
<GPRS_TEMPORARY_OFFSET>1</GPRS_TEMPORARY_OFFSET>
<GPRS_PENALTY_TIME>2</GPRS_PENALTY_TIME>
<GPRS_PRIORITY_CLASS>4</GPRS_PRIORITY_CLASS>
<GPRS_HCS_THR>6</GPRS_HCS_THR>
</COMPACT_Cell_selection_params>
</COMPACT_Neighbour_Cell>
</SI_19_Rest_Octets>
</SYSTEM_INFORMATION_TYPE19>
)"},
};

class RrSiGolden : public testing::TestWithParam<Golden> {};

TEST_P(RrSiGolden, DecodesToDocument) {
  const Golden& g = GetParam();
  tharvel_test::Decoded d = decode_hex(g.direction, g.hex);
  EXPECT_EQ(d.result, 1);
  EXPECT_EQ(body_of(d.text), g.document);
}

TEST_P(RrSiGolden, SurvivesEveryTruncation) {
  tharvel_test::decode_every_prefix(GetParam().direction, tharvel_test::octets(GetParam().hex));
}

INSTANTIATE_TEST_SUITE_P(Cell, RrSiGolden, testing::ValuesIn(kSiCellGolden), tharvel_test::golden_name);
INSTANTIATE_TEST_SUITE_P(Rest, RrSiGolden, testing::ValuesIn(kSiRestGolden), tharvel_test::golden_name);

bool is_system_information(uint8_t type) {
  return type <= 0x07 || (type >= 0x18 && type <= 0x1F) || type == 0x3D || type == 0x3E ||
         (type >= 0x40 && type <= 0x42) || type == 0x44;
}

TEST(RrSiCorpus, EveryMessageGivesAClosedDocument) {
  int seen = 0;
  for (const tharvel_test::CorpusMessage& m : tharvel_test::corpus_of_pd(6)) {
    if (m.octets.size() < 2 || !is_system_information(m.octets[1])) continue;
    ++seen;
    tharvel_test::Decoded d = tharvel_test::decode_octets(m.direction, m.octets);
    EXPECT_EQ(d.result, 1) << m.line;
    EXPECT_TRUE(tharvel_test::closed(d.text)) << m.line;
    tharvel_test::decode_every_prefix(m.direction, m.octets);
  }
  EXPECT_GT(seen, 100);
}

// Every bit pattern of a block must end the walks: all ones, all zeros and
// alternating fills through every rest-octets type.
TEST(RrSiCorpus, WalksEndOnSaturatedBlocks) {
  const uint8_t types[] = {0x00, 0x01, 0x03, 0x04, 0x07, 0x18, 0x19, 0x1B, 0x1C, 0x1E, 0x3D, 0x40, 0x41};
  const uint8_t fills[] = {0xFF, 0x00, 0x55, 0xAA};
  for (uint8_t type : types) {
    for (uint8_t fill : fills) {
      std::vector<uint8_t> msg(23, fill);
      msg[0] = 0x06;
      msg[1] = type;
      tharvel_test::Decoded d = tharvel_test::decode_octets(0, msg);
      EXPECT_EQ(d.result, 1) << int(type) << "/" << int(fill);
      tharvel_test::decode_every_prefix(0, msg);
    }
  }
}

}  // namespace
