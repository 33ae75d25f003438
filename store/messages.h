#pragma once
// The settings store's failure messages; "%s" is the key path or value name.
inline constexpr char kCreateKeyFailed[] = "创建主键 %s 失败";
inline constexpr char kReadValueFailed[] = "从 '%s' 获得数据失败";
inline constexpr char kInvalidValueType[] = "'%s' 的数据类型是无效的";
inline constexpr char kWriteValueFailed[] = "为 '%s' 设置数据时失败";
inline constexpr char kNotAnInteger[] = "'%s' 不是一个有效的整形值";
