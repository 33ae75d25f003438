# The lists the native build, the cross builds and the fuzz project share,
# as paths below the source tree.
# The program's platform-free rules: the `rules` library, built for both
# machines, and what the fuzz targets are linked with.
set(RULE_SOURCES
  base/text.cpp
  app/text_rules.cpp
  note/layout_rule.cpp
  note/grip.cpp
  note/view_rule.cpp
  note/keyboard_sizing_rule.cpp
  store/registry_rules.cpp
  store/save_schedule.cpp
  export/file_names.cpp
  commands/shortcut.cpp
  commands/access_keys.cpp
  commands/menu_items.cpp
)
# The rules with a fuzz target: tests/fuzz/<rule>_fuzz.cpp, seeds in
# tests/fuzz/corpus/<rule>.
set(FUZZED_RULES text_to_int title_rule error_text filter copy_names access_keys shortcut save_schedule)
