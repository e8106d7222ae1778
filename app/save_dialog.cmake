# Save tiles dialog with its progress, success and question windows.
target_sources(tessellon_app PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/frm_save_tiles.h ${CMAKE_CURRENT_LIST_DIR}/frm_save_tiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frm_msg.h ${CMAKE_CURRENT_LIST_DIR}/frm_msg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frm_simple_msg.h ${CMAKE_CURRENT_LIST_DIR}/frm_simple_msg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frm_msgbox_yes_no.h ${CMAKE_CURRENT_LIST_DIR}/frm_msgbox_yes_no.cpp
  ${CMAKE_CURRENT_LIST_DIR}/link_label.h ${CMAKE_CURRENT_LIST_DIR}/link_label.cpp
  ${CMAKE_CURRENT_LIST_DIR}/save_progress_windows.h ${CMAKE_CURRENT_LIST_DIR}/save_progress_windows.cpp
)
