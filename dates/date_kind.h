#pragma once
// The three time stamps of a file, as the date statistics name them.

enum class DateKind { Accessed, Created, Modified };
