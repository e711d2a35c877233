#include "tables/menu_plan.h"

namespace zor06::tables {

MenuPlan PlanMenus(bool identified, const ControllerImage& image, bool firmwareWriterPresent) {
    MenuPlan plan;
    plan.hidden = {"NFormate", "NChrom_MeanData", "NWmt_MeanData"};
    if (identified) {
        plan.hidden.insert("NProgr_Wr");
        if (image.Byte(6, 8) == 0) {
            plan.hidden.insert({"NConnWMT", "NWmt_Data"});
        }
        if (image.Byte(6, 9) == 0) {
            plan.hidden.insert({"NCurrVich", "NVrgConn", "NDistr", "Ndistrpar"});
        }
        const int runs = image.Byte(14, 7);
        for (int run = 0; run < 2; ++run) {
            plan.runCaptions[static_cast<std::size_t>(run)] = image.Name(run + 1);
            plan.runVisible[static_cast<std::size_t>(run)] = (runs & (1 << run)) != 0;
        }
        return plan;
    }
    plan.hidden.insert({"NWorkPar", "N_Dop_Par", "NContrDt", "Nexcreport", "NSit", "NFun",
                        "NChrom_Mom", "NChrom_Rdmin", "NChrom_RdHour", "NChrom_RdDay",
                        "NWmt_MomData", "NWmt_Readmin", "NWmt_ReadHour", "NWmt_ReadDay", "NAudInd",
                        "NAudPer", "NAlaInd", "NAlaPer", "Nrdcnf", "NProt_Conf_Create",
                        // the identification screen reads the controller
                        "NIdentPar"});
    if (!firmwareWriterPresent) {
        plan.hidden.insert("NProgr_Wr");
    }
    return plan;
}

}  // namespace zor06::tables
