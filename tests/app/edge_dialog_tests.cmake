# Edge calibration dialog and its input window.
tessellon_test(tst_edge_dialog tst_edge_dialog.cpp)
target_link_libraries(tst_edge_dialog PRIVATE tessellon_app)
