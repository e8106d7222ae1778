# Edge calibration dialog and its input window.
target_sources(tessellon_app PRIVATE frm_btm.h frm_btm.cpp frm_input_box.h frm_input_box.cpp)
