# Fails unless the library's dynamic symbols are exactly the documented C entry points.
execute_process(COMMAND nm -D --defined-only ${LIB} OUTPUT_VARIABLE syms RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "nm failed on ${LIB}")
endif()
string(REGEX MATCHALL "[0-9a-f]+ [TDBRVW] [^\n]+" lines "${syms}")
set(allowed tharvel tharvel_n GaintharvelDiagNoseData Gain_GSM_Attach_Accept_Win_Data
    Gain_GSM_CM_Service_Request_Win_Data Gain_GSM_Activate_PDP_Context_Request_Win_Data
    Gain_GSM_Activate_PDP_Context_Accept_Win_Data Gain_CP_Data_Win_Data Gain_MMS_Push_Win_Data
    tharvel_capture_open_path tharvel_capture_open_fd tharvel_capture_open_memory tharvel_capture_open_live
    tharvel_capture_feed_gsmtap tharvel_capture_next tharvel_capture_error tharvel_capture_counters
    tharvel_capture_channel_name tharvel_capture_close tharvel_decode tharvel_version
    tharvel_report_new tharvel_report_add tharvel_report_add_message tharvel_report_write tharvel_report_free
    tharvel_decode tharvel_version
    tharvel_batch_new tharvel_batch_free tharvel_batch_entry_size tharvel_batch_decode tharvel_batch_read_capture
    tharvel_batch_error tharvel_batch_text tharvel_batch_octets tharvel_batch_entries
    _init _fini)
set(found_tharvel OFF)
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^[0-9a-f]+ [A-Z] " "" name "${line}")
  if(name STREQUAL "tharvel")
    set(found_tharvel ON)
  endif()
  list(FIND allowed "${name}" idx)
  if(idx EQUAL -1)
    message(FATAL_ERROR "unexpected export: ${name}")
  endif()
endforeach()
if(NOT found_tharvel)
  message(FATAL_ERROR "tharvel is not exported")
endif()
