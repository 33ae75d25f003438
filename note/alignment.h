#pragma once
// The text alignments the alignment commands choose between.
enum class Alignment { Left, Centre };
