#include "export/text_file.h"
#include "note/form1.h"

// Save: the first confirmed dialog of the run fixes the file; every later
// Save writes there without asking, even after a failed write.
void TForm1::N1Click() {
    if (SaveDialog1.FileName.empty() && !SaveDialog1.Execute()) return;
    WriteTextFile(SaveDialog1.FileName, Text());
}
