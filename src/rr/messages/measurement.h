// Measurement reports and orders, classmark change and enquiry, and
// application information.
#pragma once

#include <cstdint>

#include "core/output.h"
#include "core/record.h"
#include "mm/shared_elements.h"
#include "rr/elements/frequency_list.h"
#include "rr/elements/measurement_elements.h"

namespace l3 {

struct MeasurementReport : MessageRecord {
  MeasurementResults results;
};

struct ClassmarkChange : MessageRecord {
  Classmark2 classmark2;
  Classmark3 classmark3;  // its own presence flag first
};

struct ClassmarkEnquiry : MessageRecord {
  Opt<uint8_t> mask;
};

struct ExtendedMeasurementReport : MessageRecord {
  ExtendedMeasurementResults results;
};

struct ExtendedMeasurementOrder : MessageRecord {
  ExtendedMeasurementFrequencyList list;
};

struct ApplicationInformation : MessageRecord {
  uint8_t apdu_id;
  uint8_t apdu_flags;
  OctetString<255> data;
};

// Parsers: fill the zeroed record the message table built.
void parse_measurement_report(MeasurementReport& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_classmark_change(ClassmarkChange& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_classmark_enquiry(ClassmarkEnquiry& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_extended_measurement_report(ExtendedMeasurementReport& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_extended_measurement_order(ExtendedMeasurementOrder& r, const uint8_t* msg, uint16_t len, uint8_t dir);
void parse_application_information(ApplicationInformation& r, const uint8_t* msg, uint16_t len, uint8_t dir);

// Renderers: tag is the message's open tag name from its table row.
int render_measurement_report(const MeasurementReport& r, OutputText& out, const char* tag);
int render_classmark_change(const ClassmarkChange& r, OutputText& out, const char* tag);
int render_classmark_enquiry(const ClassmarkEnquiry& r, OutputText& out, const char* tag);
int render_extended_measurement_report(const ExtendedMeasurementReport& r, OutputText& out, const char* tag);
int render_extended_measurement_order(const ExtendedMeasurementOrder& r, OutputText& out, const char* tag);
int render_application_information(const ApplicationInformation& r, OutputText& out, const char* tag);

}  // namespace l3
