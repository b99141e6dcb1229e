// Reading and writing the zip container of a document with libzip, entirely in memory.

#include "word/Model.h"

#include <zip.h>

namespace word::detail {

namespace {

WordFout zipFout(const QString& naam, int code)
{
    zip_error_t fout;
    zip_error_init_with_code(&fout, code);
    const QString reden = QString::fromUtf8(zip_error_strerror(&fout));
    zip_error_fini(&fout);
    return WordFout(QStringLiteral("Het bestand %1 is geen leesbaar document (%2).").arg(naam, reden).toStdString());
}

} // namespace

QList<QPair<QString, QByteArray>> zipLezen(const QByteArray& bytes, const QString& naam)
{
    zip_error_t fout;
    zip_error_init(&fout);
    zip_source_t* bron = zip_source_buffer_create(bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0, &fout);
    if (!bron) {
        const int code = zip_error_code_zip(&fout);
        zip_error_fini(&fout);
        throw zipFout(naam, code);
    }
    zip_t* zip = zip_open_from_source(bron, ZIP_RDONLY, &fout);
    if (!zip) {
        const int code = zip_error_code_zip(&fout);
        zip_source_free(bron);
        zip_error_fini(&fout);
        throw zipFout(naam, code);
    }
    zip_error_fini(&fout);

    QList<QPair<QString, QByteArray>> delen;
    const zip_int64_t aantal = zip_get_num_entries(zip, 0);
    for (zip_int64_t i = 0; i < aantal; ++i) {
        zip_stat_t st;
        if (zip_stat_index(zip, static_cast<zip_uint64_t>(i), 0, &st) != 0)
            continue;
        const QString deel = QString::fromUtf8(st.name);
        if (deel.endsWith(u'/'))
            continue;
        QByteArray inhoud(static_cast<qsizetype>(st.size), Qt::Uninitialized);
        zip_file_t* f = zip_fopen_index(zip, static_cast<zip_uint64_t>(i), 0);
        const zip_int64_t gelezen = f ? zip_fread(f, inhoud.data(), st.size) : -1;
        if (f)
            zip_fclose(f);
        if (gelezen != static_cast<zip_int64_t>(st.size)) {
            zip_discard(zip);
            throw WordFout(QStringLiteral("Het bestand %1 is beschadigd: %2 kan niet gelezen worden.")
                               .arg(naam, deel)
                               .toStdString());
        }
        delen.append({deel, inhoud});
    }
    zip_discard(zip);
    return delen;
}

QByteArray zipSchrijven(const QList<QPair<QString, QByteArray>>& delen)
{
    zip_error_t fout;
    zip_error_init(&fout);
    zip_source_t* doel = zip_source_buffer_create(nullptr, 0, 0, &fout);
    if (!doel) {
        zip_error_fini(&fout);
        throw WordFout("Het document kan niet samengesteld worden (geen geheugen).");
    }
    zip_source_keep(doel);
    zip_t* zip = zip_open_from_source(doel, ZIP_TRUNCATE, &fout);
    zip_error_fini(&fout);
    const auto mislukt = [&](zip_t* z) {
        if (z)
            zip_discard(z);
        zip_source_free(doel);
        return WordFout("Het document kan niet samengesteld worden.");
    };
    if (!zip)
        throw mislukt(nullptr);

    for (const auto& [naam, inhoud] : delen) {
        // The bytes stay alive (held by the caller) until zip_close has read them.
        zip_source_t* s = zip_source_buffer(zip, inhoud.constData(), static_cast<zip_uint64_t>(inhoud.size()), 0);
        const QByteArray naamUtf8 = naam.toUtf8();
        const zip_int64_t index = s ? zip_file_add(zip, naamUtf8.constData(), s, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            if (s)
                zip_source_free(s);
            throw mislukt(zip);
        }
        zip_set_file_compression(zip, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 0);
    }
    if (zip_close(zip) != 0)
        throw mislukt(zip);

    QByteArray uit;
    zip_stat_t st;
    if (zip_source_stat(doel, &st) != 0 || zip_source_open(doel) != 0) {
        zip_source_free(doel);
        throw WordFout("Het document kan niet samengesteld worden.");
    }
    uit.resize(static_cast<qsizetype>(st.size));
    const zip_int64_t gelezen = zip_source_read(doel, uit.data(), st.size);
    zip_source_close(doel);
    zip_source_free(doel);
    if (gelezen != static_cast<zip_int64_t>(st.size))
        throw WordFout("Het document kan niet samengesteld worden.");
    return uit;
}

} // namespace word::detail
