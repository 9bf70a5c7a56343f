#pragma once

// Stored texts are written in Windows-1252 (\ansicpg1252). Its bytes
// 0x80-0x9F are not the C1 controls of Latin-1 but typographic characters
// (the euro sign, German quotes „ “, dashes); reading them as Latin-1 would
// turn every „quote“ of a biography into an invisible control character.
char16_t Cp1252ToUnicode(unsigned char Byte);
