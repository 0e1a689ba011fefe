#pragma once

class AppContext;

// The phone book, the area codes and the addresses: their windows, each
// after its picture screen, and the holders of their tables, made now and
// kept for the run.
void registerContacts(AppContext &context);
