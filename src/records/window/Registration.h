#pragma once

// Registers the record window TForm3 as WindowId::RecordWindow.
void registerRecordWindow();
