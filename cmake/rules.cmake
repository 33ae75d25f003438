# The program's rules that need no platform call: built for both targets.
# Every target of the tree includes its headers by their path from the top.
include(${CMAKE_CURRENT_LIST_DIR}/rule-lists.cmake)
add_library(rules STATIC ${RULE_SOURCES})
target_include_directories(rules PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(rules PUBLIC tarvissel_code)
