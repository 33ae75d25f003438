# The program's rules that need no platform call: built for both targets.
add_library(rules STATIC
  base/dbcs.cpp
  base/dword_size.cpp
  base/failure.cpp
  app/title_rule.cpp
  app/error_text.cpp
  note/layout_rule.cpp
  note/grip.cpp
  note/view_rule.cpp
  store/text_to_int.cpp
  store/key_path.cpp
  export/filter.cpp
  commands/shortcut.cpp
  commands/access_keys.cpp
  commands/menu_items.cpp
  commands/commands.cpp
)
