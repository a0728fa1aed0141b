// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/Messages.h"

#include <cerrno>
#include <cstring>

namespace lirem::book::messages {
namespace {

std::string Quoted(const std::string& path) {
    return "«" + path + "»";
}

// The system's reasons that a user meets here, in Russian; others as the C library says them.
std::string Reason(int error) {
    switch (error) {
    case ENOENT:
        return "нет такой папки";
    case EACCES:
    case EPERM:
        return "нет доступа";
    case EROFS:
        return "диск только для чтения";
    case ENOSPC:
    case EDQUOT:
        return "нет места на диске";
    case ENOTDIR:
        return "часть пути не является папкой";
    case ELOOP:
        return "слишком много символических ссылок";
    default:
        return std::strerror(error);
    }
}

} // namespace

std::string NotABook(const std::string& path) {
    return "Файл " + Quoted(path) + " не является картотекой Лирем; он оставлен без изменений.";
}

std::string Damaged(const std::string& path) {
    return "Картотека " + Quoted(path) +
           " повреждена (не прошла проверку целостности); она оставлена без изменений. "
           "Восстановите её из резервной копии.";
}

std::string Locked(const std::string& path, int timeoutMs) {
    const std::string wait =
        timeoutMs % 1000 == 0 ? std::to_string(timeoutMs / 1000) + " с" : std::to_string(timeoutMs) + " мс";
    return "Картотека " + Quoted(path) + " занята другой программой дольше " + wait +
           "; изменение не сохранено, попробуйте ещё раз.";
}

std::string DiskFull(const std::string& path) {
    return "На диске нет места для картотеки " + Quoted(path) + "; изменение не сохранено.";
}

std::string ReadOnlyFile(const std::string& path) {
    return "Картотека " + Quoted(path) + " доступна только для чтения; изменение не сохранено.";
}

std::string NewerSchema(const std::string& path, std::int64_t version) {
    return "Картотека " + Quoted(path) + " создана более новой версией программы (версия схемы " +
           std::to_string(version) + "); она открыта только для чтения и не будет изменена.";
}

std::string Folder(const std::string& path) {
    return "На месте картотеки " + Quoted(path) + " находится папка; картотека не открыта.";
}

std::string NotARegularFile(const std::string& path) {
    return "На месте картотеки " + Quoted(path) +
           " находится не обычный файл (канал, устройство или сокет); картотека не открыта.";
}

std::string Missing(const std::string& path) {
    return "Картотеки " + Quoted(path) + " ещё нет.";
}

std::string CannotOpen(const std::string& path, int error) {
    return "Не удалось открыть картотеку " + Quoted(path) + ": " + Reason(error) + ".";
}

std::string CannotCreateFolder(const std::string& path, int error) {
    return "Не удалось создать папку " + Quoted(path) + ": " + Reason(error) + ".";
}

std::string CannotCreateFile(const std::string& path, int error) {
    return "Не удалось создать картотеку " + Quoted(path) + ": " + Reason(error) + ".";
}

std::string NoSuchCard(std::int64_t id) {
    return "В картотеке нет карточки № " + std::to_string(id) + ".";
}

std::string NoName() {
    return "У карточки должен быть хотя бы один вариант имени.";
}

std::string Io(const std::string& path, const std::string& detail) {
    return "Ошибка чтения или записи картотеки " + Quoted(path) + " (" + detail + "); изменение не сохранено.";
}

} // namespace lirem::book::messages
