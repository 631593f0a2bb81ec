#pragma once

// The start-up messages of the data files, as the player must see them.
namespace loadmessages
{
inline const char *const kNoClub =
    "Не удается найти или открыть файл с клубом игроков!\r\nРезультаты обнулятся.";
inline const char *const kNoRating =
    "Не удается найти или открыть файл с рейтингом!\r\nРезультаты обнулятся.";
inline const char *const kNoRecords =
    "Не удается найти или открыть файл с рекордами!\r\nРезультаты обнулятся.";
inline const char *const kNoSlots =
    "Не удается найти или открыть файл vertoxwn.sav!\r\nРезультаты обнулятся.";
inline const char *const kBadClub = "Испорченный файл с клубом игроков!\r\nРезультаты обнулятся.";
inline const char *const kBadRating = "Испорченный файл с рейтингом!\r\nРезультаты обнулятся.";
inline const char *const kBadRecords = "Испорченный файл с рекордами!\r\nРезультаты обнулятся.";
inline const char *const kBadSlots = "Испорченный файл vertoxwn.sav!\r\nРезультаты обнулятся.";
inline const char *const kEditedRating =
    "Файл с рейтингом изменялся вручную!\r\nРезультаты обнулятся.";
inline const char *const kEditedRecords =
    "Файл с рекордами изменялся вручную!\r\nРезультаты обнулятся.";
inline const char *const kNoVerdicts =
    "Не удается открыть файл с оценками тренера!\r\nОценки тренера обнулятся.";
inline const char *const kBadVerdicts =
    "Испорченный файл с оценками тренера!\r\nОценки тренера обнулятся.";
inline const char *const kEditedVerdicts =
    "Файл с оценками тренера изменялся вручную!\r\nОценки тренера обнулятся.";
} // namespace loadmessages
